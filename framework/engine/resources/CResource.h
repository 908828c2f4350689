#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/CContainerRef.h"
#include "framework/core/IAnimationRegistry.h"
#include "framework/engine/resources/CHGESpriteInfo.h"
#include "framework/engine/resources/CTextDescription.h"
#include "framework/engine/resources/IResource.h"

class Engine;

namespace GF::HGENS {

// The one resource registry, filled once by the resource script and read afterwards. It
// is also the registry through which drawables find their substituted animations.
class CResource : public GF::IResource, public GF::IAnimationRegistry {
 public:
  // A module: animation data by name, shared with whoever iterates it.
  using Module =
      GF::CContainerRef<std::unordered_map<std::string, GF::THolder<GF::IAnimationData>>>;

  CResource();
  ~CResource() override;
  CResource(const CResource&) = delete;
  CResource& operator=(const CResource&) = delete;

  void Unload() override;
  GF::THolder<GF::IAnimationData> GetAnimationData(const std::string& module,
                                                   const std::string& name) override;
  GF::THolder<GF::IAnimationData> GetAnimationData(const std::string& fullName) override;
  GF::THolder<GF::IFont> GetFont(const std::string& name) override;
  GF::THolder<GF::IFont> GetFont(int id) override;
  GF::THolder<GF::IImage> GetSprite(const std::string& name) override;
  GF::THolder<GF::IImage> GetSprite(int index) override;
  GF::THolder<GF::ISnd> GetSound(const std::string& name) override;
  GF::THolder<GF::ISnd> GetSound(int index) override;
  const std::wstring& GetText(const std::string& key) override;
  GF::THolder<GF::ITextDescrition> GetTextInfo(int index) override;
  bool Load() override;
  void FreeTextures() override;
  int GetModuleCount() override { return static_cast<int>(m_modules.size()); }
  std::string GetModuleName(int index) override;
  int GetAnimationCount(const std::string& module) override;
  std::string GetAnimationName(const std::string& module, int index) override;
  void GetModuleNames(std::vector<std::string>& out) override;
  void GetAnimationNames(std::vector<std::string>& out, const std::string& module) override;

  GF::THolder<GF::IAnimationData> FindAnimationData(const std::string& module,
                                                    const std::string& name) override {
    return GetAnimationData(module, name);
  }
  GF::THolder<GF::IAnimationData> FindAnimationData(const std::string& fullName) override {
    return GetAnimationData(fullName);
  }

  // ---- Filling, for the resource reader ----

  // The font's id: its position in the list.
  int AddFont(const std::string& name);
  void AddSpriteInfo(const std::string& name, int texture, float x, float y, float width,
                     float height);
  void AddSoundInfo(const std::string& name) { m_soundNames.push_back(name); }
  void AddTextInfo(const std::string& name, int fontNumber, int second, int third, int flags,
                   int textIndex);
  // The module of that name, added when missing.
  GF::THolder<Module> CreateModule(const std::string& name);
  int GetSpriteInfoCount() const { return static_cast<int>(m_spriteInfos.size()); }
  // Null outside 0 .. count - 1.
  const CHGESpriteInfo* GetSpriteInfo(int index) const;

 private:
  struct FontName {
    int id;
    std::string name;
  };

  // The module holding `name`, or null after logging why there is none.
  Module* FindModule(const std::string& module);

  Engine* m_engine;
  std::vector<GF::THolder<CHGESpriteInfo>> m_spriteInfos;
  std::vector<FontName> m_fontNames;
  std::vector<GF::THolder<CTextDescription>> m_textInfos;
  std::vector<GF::THolder<GF::IFont>> m_loadedFonts;  // by font id; null until loaded
  std::vector<std::string> m_soundNames;
  std::unordered_map<std::string, GF::THolder<Module>> m_modules;
};

// The registry, made on first use (and installed as the animation registry); a fresh,
// empty one after Unload.
GF::THolder<CResource> GetResources();

}  // namespace GF::HGENS
