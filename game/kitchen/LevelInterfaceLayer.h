#pragma once

#include "framework/core/IScene.h"
#include "framework/core/THolder.h"

// The scene of the running level's interface, in which fields, bonuses, orders and tips
// create their sprites by resource name. The game screen sets it once per level.

// The new reference is taken before the old one is dropped.
void SetLevelInterfaceLayer(GF::THolder<GF::IScene> scene);
// A new reference to the stored scene; empty when none is stored.
GF::THolder<GF::IScene> GetLevelInterfaceLayer();
