#pragma once

#include <functional>
#include <string>

#include "framework/core/IDataInputStream.h"
#include "framework/core/IDataOutputStream.h"
#include "framework/core/THolder.h"

class Engine;

namespace GF::HGENS {

// The "Setting" file in the save folder: four big-endian 32-bit settings (sound volume,
// music volume, custom cursor, full screen), then the block the game's subscribers append.
// The game manager owns the operations and their events; it passes its Fire functions in.
class CSettingsFile {
 public:
  using SaveHandler = std::function<void(const THolder<IDataOutputStream>&)>;
  using LoadHandler = std::function<void(const THolder<IDataInputStream>&)>;
  using ResetHandler = std::function<void()>;

  static constexpr int kSettingsBytes = 16;

  // The save folder (named after the engine's window title, created when missing), a '/'
  // and the name. Empty when there is no save folder: callers then neither read nor write,
  // so nothing ever lands in the root of the file system.
  static std::wstring GetSavePath(Engine& engine, const std::wstring& name);

  // Writes the four settings from the game properties and the engine's windowed state, then
  // lets fireSave append the game's block. The file is written beside the old one and
  // renamed over it only when every byte reached the disk, so a failure at any point (no
  // folder, a full disk, a subscriber that throws) keeps the previous file. Failures log
  // "Cant't Save Setting" and return false; a subscriber's exception is passed on.
  static bool Save(Engine& engine, const std::wstring& path, const SaveHandler& fireSave);

  // Reads the four settings into the game properties (volumes clamped to 0-100) and lets
  // fireLoad read on from byte 16. A missing file, or one too short to hold the four
  // settings, resets them instead. Either way the engine is then windowed exactly when the
  // property "FullScreen" is 0.
  static void Load(Engine& engine, const std::wstring& path, const LoadHandler& fireLoad,
                   const ResetHandler& fireReset);

  // The defaults (sound 50, music 50, no custom cursor, full screen), then fireReset.
  static void Reset(const ResetHandler& fireReset);
};

}  // namespace GF::HGENS
