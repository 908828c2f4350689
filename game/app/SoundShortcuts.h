#pragma once

#include <cstdint>
#include <string>

#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"

namespace GF::HGENS {
class CBaseControl;
}

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

// A menu control's click and hover sounds (sound numbers 2 and 3), played only while the
// control is enabled: a handler earlier in the list may have just disabled it.
void OnControlClickSound(GF::THolder<GF::HGENS::CBaseControl> control, const GF::TPoint<int>& point,
                         int buttons);
void OnControlHoverSound(GF::THolder<GF::HGENS::CBaseControl> control);
// Appends both handlers to the control's click and over events.
void AttachControlSounds(GF::THolder<GF::HGENS::CBaseControl> control);
