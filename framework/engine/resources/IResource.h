#pragma once

#include <string>
#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/IAnimationData.h"
#include "framework/core/THolder.h"
#include "framework/engine/resources/IImage.h"
#include "framework/engine/resources/ISnd.h"
#include "framework/engine/resources/ITextDescrition.h"
#include "framework/engine/scene/IFont.h"

namespace GF {

// The registry of everything the resource script declares: modules of animation data,
// sprites, fonts, sounds and text infos. Failed lookups log one line and return empty.
class IResource : public CRefCount {
 public:
  // Drops fonts, sprite infos and texture records, and the registry singleton itself.
  virtual void Unload() = 0;
  // An empty module searches every module.
  virtual THolder<IAnimationData> GetAnimationData(const std::string& module,
                                                   const std::string& name) = 0;
  // "module.name", split at the first point; without a point every module is searched.
  virtual THolder<IAnimationData> GetAnimationData(const std::string& fullName) = 0;
  // The font of that name in the script; loaded once, then the same object every time.
  virtual THolder<IFont> GetFont(const std::string& name) = 0;
  // "Font\<id>.fnt"; empty (and logged) when it can't be loaded.
  virtual THolder<IFont> GetFont(int id) = 0;
  // A new sprite over the named sprite info's texture rectangle on every call.
  virtual THolder<IImage> GetSprite(const std::string& name) = 0;
  // Empty outside 0 .. count - 1.
  virtual THolder<IImage> GetSprite(int index) = 0;
  // "Sound\" + name + ".ogg", else the sound of the name's number in the script.
  virtual THolder<ISnd> GetSound(const std::string& name) = 0;
  // "Sound\<index>"; always a sound object, its handle 0 when the file is missing.
  virtual THolder<ISnd> GetSound(int index) = 0;
  virtual const std::wstring& GetText(const std::string& key) = 0;
  virtual THolder<ITextDescrition> GetTextInfo(int index) = 0;
  // Runs the resource script and loads the text table; always true.
  virtual bool Load() = 0;
  // Frees every engine texture of the texture cache (they load again on request).
  virtual void FreeTextures() = 0;
  virtual int GetModuleCount() = 0;
  // Empty past the end.
  virtual std::string GetModuleName(int index) = 0;
  virtual int GetAnimationCount(const std::string& module) = 0;
  virtual std::string GetAnimationName(const std::string& module, int index) = 0;
  virtual void GetModuleNames(std::vector<std::string>& out) = 0;
  // Empty for a missing module.
  virtual void GetAnimationNames(std::vector<std::string>& out, const std::string& module) = 0;
};

}  // namespace GF
