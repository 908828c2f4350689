#include "framework/engine/resources/CResource.h"

#include <algorithm>
#include <cstdio>

#include "framework/engine/resources/CImage.h"
#include "framework/engine/resources/CResourceReader.h"
#include "framework/engine/resources/CSnd.h"
#include "framework/engine/resources/TextTable.h"
#include "framework/engine/scene/CFont.h"
#include "framework/engine/scene/CResourceCache.h"
#include "platform/Engine.h"

namespace GF::HGENS {
namespace {

GF::THolder<CResource>& Singleton() {
  static GF::THolder<CResource> registry;
  return registry;
}

}  // namespace

GF::THolder<CResource> GetResources() {
  GF::THolder<CResource>& registry = Singleton();
  if (!registry) {
    registry = new CResource();
    GF::SetAnimationRegistry(registry.Get());
  }
  return registry;
}

CResource::CResource() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CResource::~CResource() {
  if (GF::GetAnimationRegistry() == this) GF::SetAnimationRegistry(nullptr);
  m_engine->Release();
}

void CResource::Unload() {
  m_loadedFonts.clear();
  m_spriteInfos.clear();
  m_engine->Log("-------------------------------Texture--------------------------");
  CResourceCache::ReleaseInstance();
  // The registry goes when its last holder lets go; the next GetResources makes a new one.
  if (Singleton().Get() == this) {
    GF::SetAnimationRegistry(nullptr);
    Singleton().Reset();
  }
}

CResource::Module* CResource::FindModule(const std::string& module) {
  const auto it = m_modules.find(module);
  if (it == m_modules.end()) {
    m_engine->Log("Module \"%s\" not found", module.c_str());
    return nullptr;
  }
  return it->second.Get();
}

GF::THolder<GF::IAnimationData> CResource::GetAnimationData(const std::string& module,
                                                            const std::string& name) {
  if (module.empty()) {
    for (const auto& [moduleName, table] : m_modules) {
      if (const auto it = table->find(name); it != table->end()) return it->second;
    }
    m_engine->Log("AnimationData \"%s\" not found", name.c_str());
    return {};
  }
  Module* table = FindModule(module);
  if (!table) return {};
  const auto it = table->find(name);
  if (it == table->end()) {
    m_engine->Log("AnimationData \"%s.%s\" not found", module.c_str(), name.c_str());
    return {};
  }
  return it->second;
}

GF::THolder<GF::IAnimationData> CResource::GetAnimationData(const std::string& fullName) {
  const std::size_t point = fullName.find('.');
  if (point == std::string::npos) return GetAnimationData(std::string(), fullName);
  return GetAnimationData(fullName.substr(0, point), fullName.substr(point + 1));
}

GF::THolder<GF::IFont> CResource::GetFont(const std::string& name) {
  for (const FontName& font : m_fontNames) {
    if (font.name == name) return GetFont(font.id);
  }
  m_engine->Log("Can't find font %s", name.c_str());
  return {};
}

GF::THolder<GF::IFont> CResource::GetFont(int id) {
  if (id < 0) {
    m_engine->Log("Can't find font %d", id);
    return {};
  }
  if (static_cast<std::size_t>(id) >= m_loadedFonts.size()) m_loadedFonts.resize(id + 1);
  GF::THolder<GF::IFont>& slot = m_loadedFonts[id];
  if (!slot) {
    auto font = GF::MakeHolder<CFont>();
    if (!font->Load(id)) {
      m_engine->Log("Can't find font %d", id);
      return {};
    }
    slot = font;
  }
  return slot;
}

GF::THolder<GF::IImage> CResource::GetSprite(const std::string& name) {
  const auto it = std::find_if(m_spriteInfos.begin(), m_spriteInfos.end(),
                               [&](const auto& info) { return info->name == name; });
  return GetSprite(static_cast<int>(it - m_spriteInfos.begin()));
}

GF::THolder<GF::IImage> CResource::GetSprite(int index) {
  const CHGESpriteInfo* info = GetSpriteInfo(index);
  if (!info) return {};
  const EngineTexture texture = CResourceCache::Instance()->GetTextureById(info->texture);
  auto image = GF::MakeHolder<CImage>();
  image->SetSprite(
      GF::MakeHolder<CHGESprite>(texture, info->x, info->y, info->width, info->height));
  return image;
}

GF::THolder<GF::ISnd> CResource::GetSound(const std::string& name) {
  const std::string file = "Sound\\" + name + ".ogg";
  if (const EngineStream stream = m_engine->StreamLoad(file.c_str())) {
    return GF::MakeHolder<CSnd>(stream);
  }
  const auto it = std::find(m_soundNames.begin(), m_soundNames.end(), name);
  return GetSound(static_cast<int>(it - m_soundNames.begin()));
}

GF::THolder<GF::ISnd> CResource::GetSound(int index) {
  char file[128];
  std::snprintf(file, sizeof file, "Sound\\%d", index);
  const EngineStream stream = m_engine->StreamLoad(file);
  if (index >= 0 && !stream) m_engine->Log("[W] SOUND %s NOT FOUND", file);
  return GF::MakeHolder<CSnd>(stream);
}

const std::wstring& CResource::GetText(const std::string& key) {
  return TextTable::Instance().GetText(key);
}

GF::THolder<GF::ITextDescrition> CResource::GetTextInfo(int index) {
  if (index < 0 || index >= static_cast<int>(m_textInfos.size())) return {};
  return m_textInfos[index];
}

bool CResource::Load() {
  {
    const auto reader = GF::MakeHolder<CResourceReader>(*this);
    if (reader->LoadScript()) reader->CallFillResource();
  }
  TextTable::Instance().Load();
  return true;
}

void CResource::FreeTextures() {
  CResourceCache::Instance()->FreeAll();
}

std::string CResource::GetModuleName(int index) {
  if (index < 0 || index >= GetModuleCount()) return {};
  return std::next(m_modules.begin(), index)->first;
}

int CResource::GetAnimationCount(const std::string& module) {
  const Module* table = FindModule(module);
  return table ? static_cast<int>(table->size()) : 0;
}

std::string CResource::GetAnimationName(const std::string& module, int index) {
  const Module* table = FindModule(module);
  if (!table || index < 0 || index >= static_cast<int>(table->size())) return {};
  return std::next(table->begin(), index)->first;
}

void CResource::GetModuleNames(std::vector<std::string>& out) {
  out.clear();
  out.reserve(m_modules.size());
  for (const auto& entry : m_modules) out.push_back(entry.first);
}

void CResource::GetAnimationNames(std::vector<std::string>& out, const std::string& module) {
  out.clear();
  const Module* table = FindModule(module);
  if (!table) return;
  out.reserve(table->size());
  for (const auto& entry : *table) out.push_back(entry.first);
}

int CResource::AddFont(const std::string& name) {
  const int id = static_cast<int>(m_fontNames.size());
  m_fontNames.push_back({id, name});
  return id;
}

void CResource::AddSpriteInfo(const std::string& name, int texture, float x, float y, float width,
                              float height) {
  m_spriteInfos.push_back(GF::MakeHolder<CHGESpriteInfo>(name, texture, x, y, width, height));
}

void CResource::AddTextInfo(const std::string& name, int fontNumber, int second, int third,
                            int flags, int textIndex) {
  m_textInfos.push_back(
      GF::MakeHolder<CTextDescription>(name, fontNumber, second, third, flags, textIndex));
}

GF::THolder<CResource::Module> CResource::CreateModule(const std::string& name) {
  GF::THolder<Module>& module = m_modules[name];
  if (!module) module = GF::MakeHolder<Module>();
  return module;
}

const CHGESpriteInfo* CResource::GetSpriteInfo(int index) const {
  if (index < 0 || index >= GetSpriteInfoCount()) return nullptr;
  return m_spriteInfos[index].Get();
}

}  // namespace GF::HGENS
