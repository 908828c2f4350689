#pragma once

#include <cstdint>

// Ids of the float properties of a PlayerProfile that the code reads or writes by name. Any
// other id is free for the data (flow rules and expressions). "Cleared" ids are zeroed after
// every load of the settings file.
namespace ProfileFloat {
inline constexpr std::int32_t LevelInStage = 0;
inline constexpr std::int32_t StageNumber = 1;  // 1 to 7
inline constexpr std::int32_t StageUpgrade = 3;
inline constexpr std::int32_t LevelPoints = 4;
// 1 = first; 201/202 a duel level; 101 won / 102 time out of a bonus level (+100 hidden-object)
inline constexpr std::int32_t CurrentPlace = 5;
inline constexpr std::int32_t OrdersServed = 6;
inline constexpr std::int32_t MusicVolume = 7;
inline constexpr std::int32_t SoundVolume = 8;
inline constexpr std::int32_t FullScreen = 9;     // 1 full screen, 0 windowed
inline constexpr std::int32_t CustomCursor = 10;  // non-zero: the game's own cursor
inline constexpr std::int32_t BonusResult = 13;
inline constexpr std::int32_t Value14 = 14;
inline constexpr std::int32_t Value16 = 16;
inline constexpr std::int32_t Value17 = 17;  // a stage upgrade of the first or second kind; cleared
inline constexpr std::int32_t DroppedOutCompetitor = 18;  // written at a stage's end
inline constexpr std::int32_t LastLevelOutcome = 19;      // 1 passed, -1 failed, 0 none; cleared
inline constexpr std::int32_t StoryProgress = 20;
inline constexpr std::int32_t UpgradeGranted = 21;  // cleared
inline constexpr std::int32_t ShadesShowParam = 24;
inline constexpr std::int32_t ShadesHideParam = 25;
inline constexpr std::int32_t NewRecipeCount = 29;  // of the last level, for the recipe screen
inline constexpr std::int32_t Value30 = 30;
inline constexpr std::int32_t HelpState = 32;
inline constexpr std::int32_t Value34 = 34;
inline constexpr std::int32_t Value35 = 35;  // 1 = a replay chosen on the map; cleared
inline constexpr std::int32_t Value36 = 36;
}  // namespace ProfileFloat
