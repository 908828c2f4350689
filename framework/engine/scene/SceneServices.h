#pragma once

namespace GF::HGENS {

// Lets object data create the scene library's live objects (sprites, text sprites,
// clipping, sound objects, particle systems) and installs the particle registry's scene
// hooks. Idempotent; every scene calls it when it is made.
void InstallSceneObjectMakers();

// The makers above, plus the music and sound-effects players for the application shell's
// service providers.
void InstallSceneServices();

}  // namespace GF::HGENS
