#pragma once

#include <string>
#include <unordered_map>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"
#include "framework/engine/particles/CHGESprite.h"
#include "platform/Engine.h"

// Cuts icons out of icon sheets: an icon sheet is the sprite of the first object of the
// animation "Devices.<sheet>", cut into equal cells by the catalogue's icon record of the
// same name. The registry is asked once per sheet; the texture itself comes from the
// texture cache on every call, so it loads again after the textures were freed.
class CFilterSpriteManager : public GF::CRefCount {
 public:
  // The program's manager, made on first use and kept until exit.
  static GF::THolder<CFilterSpriteManager> Instance();

  // A fresh manager with nothing cached; the program uses Instance.
  CFilterSpriteManager() = default;
  CFilterSpriteManager(const CFilterSpriteManager&) = delete;
  CFilterSpriteManager& operator=(const CFilterSpriteManager&) = delete;

  // The sheet's texture; 0 when the registry has no sprite for it (nothing is kept then).
  EngineTexture GetTexture(const std::string& name);
  // A new sprite of cell `index` (left to right in rows), standing on the cell's centre.
  // Null for a sheet without a record, texture or cells, or an index outside the sheet.
  GF::THolder<GF::HGENS::CHGESprite> GetIconSprite(int index, const std::string& name);

  // Sheets whose texture has been found.
  std::size_t GetSheetCount() const { return m_textureIds.size(); }

 private:
  // The sheet's texture id in the texture cache, or -1.
  static int FindTextureId(const std::string& name);

  std::unordered_map<std::string, int> m_textureIds;
};
