#pragma once

#include "framework/core/CInputStream.h"
#include "framework/core/COutputStream.h"
#include "framework/core/IDataInputStream.h"
#include "framework/core/IDataOutputStream.h"
#include "framework/core/THolder.h"

namespace GF::HGENS {
class CGameManager;
}

// The progress block in the settings file "Setting": after the game manager's four settings
// come the block's version and the block (GameProgress).

// Writes GameProgress.
void SaveProgress(GF::COutputStream& out);
// Reads a whole block into GameProgress. A block that does not read cleanly changes nothing
// and gives false.
bool LoadProgress(GF::CInputStream& in);

// The game manager's SaveSettings event: the version, then the block.
void OnSaveProfiles(GF::THolder<GF::IDataOutputStream> stream);
// The game manager's LoadSettings event: the saved block replaces GameProgress when its
// version is the one in force and it reads cleanly, and the current profile's transient
// properties are cleared; otherwise GameProgress stays and the default volumes apply.
void OnLoadProfiles(GF::THolder<GF::IDataInputStream> stream);
// The game manager's ResetSettings event: music volume 60, sound volume 100.
void ApplySoundSettings();

// Subscribes the three handlers above to the game manager's settings events.
void SubscribeProgressEvents(GF::HGENS::CGameManager& manager);
