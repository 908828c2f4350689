#include "framework/engine/scene/CSpriteObject.h"

#include <algorithm>
#include <utility>

#include "framework/core/ColorConversion.h"
#include "framework/engine/resources/CResource.h"

namespace GF::HGENS {
namespace {

// Engine blend codes of the blend-mode track's values 0 to 4.
constexpr int kBlendCodes[] = {2, 3, 2, 1, 0};

int RoundCoordinate(float v) {
  return static_cast<int>(v + 0.5f);
}

}  // namespace

bool CSpriteObject::QueryInterface(const int& id, void** out) {
  if (id == GF::kIdSprite) return Grant(static_cast<GF::ISprite*>(this), out);
  return CDrawableObject::QueryInterface(id, out);
}

void CSpriteObject::AdjustProperties() {
  CDrawableObject::AdjustProperties();
  const float da = modifier_ ? modifier_->GetValue(GF::IParamModifier::kAngle) : 0.0f;
  if (da == 0.0f) return;
  properties_.SetAngle(properties_.angle + da);
  properties_.changed |= GF::CObjectProperties::kChangedAngle;
}

bool CSpriteObject::Update(const float& dt) {
  if (!CDrawableAbstract::Update(dt)) return false;
  if (id_.IsChanged()) {
    m_sprite = SpriteFor(id_.GetValue());
    if (m_sprite) {
      ApplyColor();
      ApplyHotSpot();
    }
  } else if (m_sprite) {
    if ((properties_.changed & GF::CObjectProperties::kChangedOpacity) || color_.IsChanged() ||
        blend_.IsChanged()) {
      ApplyColor();
    }
    if (hotSpot_.IsChanged()) ApplyHotSpot();
  }
  m_drawX = properties_.x;
  m_drawY = properties_.y;
  return true;
}

GF::THolder<CHGESprite> CSpriteObject::SpriteFor(int id) {
  const CHGESpriteInfo* info = GetResources()->GetSpriteInfo(id);
  if (!info) return nullptr;
  for (m_shown = 0; m_shown < m_sprites.size(); ++m_shown) {
    CachedSprite& cached = m_sprites[m_shown];
    if (cached.id != id || cached.info != info) continue;
    RefreshTexture(cached);
    return cached.sprite;
  }
  CTextureRef texture(info->texture);
  auto sprite =
      GF::MakeHolder<CHGESprite>(texture.Get(), info->x, info->y, info->width, info->height);
  m_sprites.push_back({id, info, texture, sprite});
  return sprite;
}

void CSpriteObject::RefreshTexture(CachedSprite& cached) {
  const EngineTexture texture = cached.texture.Get();
  if (cached.sprite->GetTexture() != texture) cached.sprite->SetTexture(texture);
}

void CSpriteObject::ApplyColor() {
  const int mode = blend_.GetValue();
  std::uint32_t base = kNoColor;
  if (m_color != kNoColor) {
    // A given colour stands, with its blend code, over the tracks until it is taken back.
    base = m_color;
    m_sprite->SetBlendMode(m_colorBlend);
  } else if (mode != 0) {
    base = GF::ColorToArgb(color_.GetValue());
    if (mode > 0 && mode < 5) m_sprite->SetBlendMode(kBlendCodes[mode]);
  } else {
    m_sprite->SetBlendMode(kBlendCodes[0]);
  }
  const float alpha = std::clamp(properties_.opacity, 0.0f, 1.0f) * 255.0f;
  const auto a = static_cast<std::uint32_t>(alpha);
  m_sprite->SetColor((base & 0x00FFFFFF) | (a << 24));
}

void CSpriteObject::ApplyHotSpot() {
  const GF::TPoint<float>& hot = hotSpot_.GetValue();
  m_sprite->SetHotSpot(hot.x * m_sprite->GetWidth() / 10000.0f,
                       hot.y * m_sprite->GetHeight() / 10000.0f);
}

void CSpriteObject::Render() {
  if (!m_sprite) return;
  RefreshTexture(m_sprites[m_shown]);
  m_sprite->RenderEx(m_drawX, m_drawY, properties_.angle, properties_.scaleX, properties_.scaleY);
}

const GF::TRect<int>& CSpriteObject::GetBoundingRect() {
  if (!m_sprite) {
    m_rect = GF::TRect<int>();
    return m_rect;
  }
  hgeBounds box;
  m_sprite->GetBoundingBoxEx(m_drawX, m_drawY, properties_.angle, properties_.scaleX,
                             properties_.scaleY, &box);
  m_rect = {RoundCoordinate(box.x1), RoundCoordinate(box.y1), RoundCoordinate(box.x2),
            RoundCoordinate(box.y2)};
  if (m_rect.left > m_rect.right) std::swap(m_rect.left, m_rect.right);
  if (m_rect.top > m_rect.bottom) std::swap(m_rect.top, m_rect.bottom);
  return m_rect;
}

std::uint32_t CSpriteObject::GetColor() const {
  return m_sprite ? m_sprite->GetColor(0) : kNoColor;
}

void CSpriteObject::SetColor(std::uint32_t color, int blend) {
  m_color = color;
  m_colorBlend = blend;
  if (!m_sprite) return;
  m_sprite->SetColor(color);
  m_sprite->SetBlendMode(blend);
}

}  // namespace GF::HGENS
