#pragma once

#include <cstdint>
#include <vector>

#include "framework/engine/particles/CHGESprite.h"
#include "framework/engine/resources/CHGESpriteInfo.h"
#include "framework/engine/scene/CDrawableObject.h"
#include "framework/engine/scene/CTextureRef.h"
#include "framework/engine/scene/ISprite.h"

namespace GF::HGENS {

// Draws the registry's sprite of its resource-id track at its world placement. The
// blend-mode track picks the engine blend code (0-4 -> 2, 3, 2, 1, 0); with a mode from 1 to
// 4 the colour is the one given through ISprite, else the colour track's; the world opacity
// is the alpha. The hot-spot track is in ten-thousandths of the sprite's size.
class CSpriteObject : public CDrawableObject, public GF::ISprite {
 public:
  static constexpr std::uint32_t kNoColor = 0xFFFFFFFF;

  CSpriteObject() = default;

  bool QueryInterface(const int& id, void** out) override;

  // IObjectAnimation
  bool Update(const float& dt) override;

  // IDrawable
  void Render() override;
  const GF::TRect<int>& GetBoundingRect() override;

  // ISprite
  std::uint32_t GetColor() const override;
  void SetColor(std::uint32_t color, int blend) override;

  // Sprites also turn with the modifier's angle.
  void AdjustProperties() override;

  const GF::THolder<CHGESprite>& GetSprite() const { return m_sprite; }

 private:
  struct CachedSprite {
    int id;
    const CHGESpriteInfo* info;
    CTextureRef texture;
    GF::THolder<CHGESprite> sprite;
  };

  // The object's own sprite for a registry sprite id, made on first use; null for an unknown
  // id. Each object keeps its own sprites, so colour and hot spot set here touch no other.
  GF::THolder<CHGESprite> SpriteFor(int id);
  // The cache may have freed the sprite's texture since it was taken, and loads it again.
  static void RefreshTexture(CachedSprite& cached);
  void ApplyColor();
  void ApplyHotSpot();

  std::uint32_t m_color = kNoColor;
  int m_colorBlend = 0;  // the engine blend code a given colour draws with
  // The sprites of the ids shown so far: switching frames allocates nothing.
  std::vector<CachedSprite> m_sprites;
  GF::THolder<CHGESprite> m_sprite;
  std::size_t m_shown = 0;  // m_sprite's entry in m_sprites
  GF::TRect<int> m_rect;
  float m_drawX = 0.0f;
  float m_drawY = 0.0f;
};

}  // namespace GF::HGENS
