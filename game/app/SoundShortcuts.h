#pragma once

#include <cstdint>
#include <string>

// The game's ways of playing sounds by number or name and of switching the background music,
// through the framework's sound and music players. Sound numbers are named by the sound table
// of "gamedata.bin"; a number it does not name is logged and not played.

void PlaySoundById(std::int32_t number);
void PlaySoundByName(const std::string& name);
void StopSoundByName(const std::string& name);
// Starts the music unless it is the one PlayMusic last started (and StopMusic has not stopped
// since); the one playing before is stopped first.
void PlayMusic(const std::string& name);
// Fades the current music out and forgets its name.
void StopMusic();
std::string GetCurrentMusicName();
