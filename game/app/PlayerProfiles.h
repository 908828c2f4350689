#pragma once

#include <string>
#include <vector>

#include "game/app/ProfileFloat.h"
#include "game/app/ProfileString.h"
#include "game/app/ProgressBlock.h"

// The progress block in force: every player's profile, the current player and the scores.
// It starts empty, takes the default block of "gamedata.bin" (ResetProgressToDefault) and is
// replaced by the saved block when the settings file's version matches. The current player
// always names a stored profile once the block has been reset or loaded.
extern ProgressBlock GameProgress;

// The animation of the game's own cursor.
inline constexpr const char* CustomCursorAnimation = "cursor.custom";

// The integer part of a property value, saturated at the int range; NaN gives 0. Values come
// from files, so a plain cast could be undefined.
int IntegerPart(float value);

// Puts the default block of "gamedata.bin" in force (after every load of that file).
void ResetProgressToDefault();

// The current player's profile; the profile of the empty name is made first when there is
// none. Property n is Floats[n] / Strings[n] of it, made with 0.0 or "" on first access.
PlayerProfile& CurrentProfile();
// The stored profile of that name, or null.
PlayerProfile* FindProfile(const std::wstring& name);
// Every non-empty player name, sorted.
std::vector<std::wstring> GetPlayerNames();

// A new profile with the settings of the default profile, made current and saved. False (and
// the name selected when it exists) for an empty or an existing name.
bool AddPlayer(const std::wstring& name);
// Makes an existing other profile current, carrying the transient strings over, and saves.
// False, with nothing changed, for a missing name or the current player.
bool SelectPlayer(const std::wstring& name);
// Removes a non-empty stored profile: the first remaining name (or the default profile,
// made when missing) becomes current, then the block is saved without the removed profile.
bool DeletePlayer(std::wstring name);
// Copies the float and string properties and the stage key of the default profile.
void CopyProfile(const std::wstring& name);
// Moves the curtain requests and string 30 from first to second and empties first's level-key
// override; nothing when they are the same profile.
void CarryOverPlayerStrings(PlayerProfile& first, PlayerProfile& second);
// Makes the current player name a stored profile: "" (made when missing) replaces a name
// that has none.
void EnsureCurrentPlayer();

// Writes the settings file, which carries the block (through the game manager).
void SaveProfiles();
// The current player's cursor, volumes and full-screen choice put in force.
void ApplyProfileSettings();
// The game's own cursor ("cursor.custom") or the system's.
void ApplyCustomCursor(bool custom);
// The game property "MusicVolume" (0 to 100), applied to the music still playing.
void ApplyMusicVolume(int volume);
