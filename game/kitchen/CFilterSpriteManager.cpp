#include "game/kitchen/CFilterSpriteManager.h"

#include "framework/core/IAnimationData.h"
#include "framework/core/IObjectData.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/scene/CResourceCache.h"
#include "game/app/LibraryData.h"

namespace {

void LogNoCells(const std::string& name) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("[W] ICON SHEET %s HAS NO CELLS", name.c_str());
  engine->Release();
}

}  // namespace

GF::THolder<CFilterSpriteManager> CFilterSpriteManager::Instance() {
  static GF::THolder<CFilterSpriteManager> instance(new CFilterSpriteManager);
  return instance;
}

int CFilterSpriteManager::FindTextureId(const std::string& name) {
  const GF::THolder<GF::HGENS::CResource> registry = GF::HGENS::GetResources();
  const GF::THolder<GF::IAnimationData> data = registry->GetAnimationData("Devices", name);
  if (!data || data->GetObjectDataCount() < 1) return -1;
  const GF::THolder<GF::IObjectData> object = data->GetObjectData(0);
  const auto ids = object ? object->GetIdTrack() : nullptr;
  if (!ids || ids->empty()) return -1;
  const GF::HGENS::CHGESpriteInfo* info = registry->GetSpriteInfo(ids->front().value);
  return info ? info->texture : -1;
}

EngineTexture CFilterSpriteManager::GetTexture(const std::string& name) {
  auto it = m_textureIds.find(name);
  if (it == m_textureIds.end()) {
    const int id = FindTextureId(name);
    if (id < 0) return 0;
    it = m_textureIds.emplace(name, id).first;
  }
  return GF::HGENS::CResourceCache::Instance()->GetTextureById(it->second);
}

GF::THolder<GF::HGENS::CHGESprite> CFilterSpriteManager::GetIconSprite(int index,
                                                                       const std::string& name) {
  const IconRecord* sheet = GetLibraryData().FindIcon(name);
  if (!sheet) return {};
  const EngineTexture texture = GetTexture(name);
  if (!texture) return {};
  const int cellW = sheet->CellWidth, cellH = sheet->CellHeight;
  const int columns = cellW > 0 ? sheet->SheetWidth / cellW : 0;
  const int rows = cellH > 0 ? sheet->SheetHeight / cellH : 0;
  if (columns <= 0 || rows <= 0) {
    LogNoCells(name);
    return {};
  }
  if (index < 0 || index >= columns * rows) return {};
  const float x = static_cast<float>(index % columns * cellW);
  const float y = static_cast<float>(index / columns * cellH);
  auto sprite = GF::MakeHolder<GF::HGENS::CHGESprite>(texture, x, y, static_cast<float>(cellW),
                                                      static_cast<float>(cellH));
  sprite->SetHotSpot(cellW * 0.5f, cellH * 0.5f);
  return sprite;
}
