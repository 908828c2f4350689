#pragma once

#include <cstdint>

// Ids of the string properties of a PlayerProfile that the code reads or writes by name. Any
// other id is free for the data. "Cleared" ids are emptied after every load of the settings
// file.
namespace ProfileString {
inline constexpr std::int32_t CurrentLevelKey = 11;
inline constexpr std::int32_t LevelKeySecondary = 12;  // only the data write it
inline constexpr std::int32_t ShadesShowRequest = 22;  // one-shot curtain requests
inline constexpr std::int32_t ShadesHideRequest = 23;
// Assigned by a flow-rule action with a screen: the text is sent to that screen as a command.
inline constexpr std::int32_t RuleScreenCommand = 27;
inline constexpr std::int32_t Value28 = 28;           // cleared
inline constexpr std::int32_t Value30 = 30;           // cleared
inline constexpr std::int32_t LevelKeyOverride = 31;  // cleared
inline constexpr std::int32_t Value33 = 33;           // cleared
inline constexpr std::int32_t LastScreen = 37;        // last closed screen without "_"
}  // namespace ProfileString
