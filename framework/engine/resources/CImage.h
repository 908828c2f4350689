#pragma once

#include "framework/engine/resources/IImage.h"

namespace GF::HGENS {

// Holds one sprite; empty when created.
class CImage : public GF::IImage {
 public:
  void SetSprite(const GF::THolder<CHGESprite>& sprite) override { m_sprite = sprite; }
  GF::THolder<CHGESprite> GetSprite() const override { return m_sprite; }
  // 0 without a sprite.
  float GetWidth() const override { return m_sprite ? m_sprite->GetWidth() : 0.0f; }
  float GetHeight() const override { return m_sprite ? m_sprite->GetHeight() : 0.0f; }

 private:
  GF::THolder<CHGESprite> m_sprite;
};

}  // namespace GF::HGENS
