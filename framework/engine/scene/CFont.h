#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/scene/CTexture.h"
#include "framework/engine/scene/IFont.h"
#include "framework/engine/scene/tagChar.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// A bitmap font from "Font\<id>.fnt" (big-endian): the packed string "HGEFN10", metrics 1
// to 3 and the spacing (s16 each), the page count (s16) with pages "Font\<id>\<id>_<nnn>",
// then the glyph count (u16) and per glyph code, page (u16), left, right, top, x, y, w, h
// (s16).
class CFont : public GF::IFont {
 public:
  static constexpr int kGlyphSlots = 65535;  // codes 0 to 65534

  CFont();
  ~CFont() override;
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;

  void DrawText(const GF::CObjectProperties& transform, const wchar_t* text, int align, int valign,
                int lines) override;
  void RenderText(const float& x, const float& y, const wchar_t* text, int align) override;
  void Printf(float x, float y, const wchar_t* format, ...) override;
  float GetLineWidth(const wchar_t* text) override;
  float GetTextWidth(const wchar_t* text) override;
  float GetHeight() override;
  int GetBase() override;
  void SetTracking(int tracking) override { m_tracking = tracking; }
  void SetLineSpacing(int spacing) override { m_lineSpacing = spacing; }
  void SetAlpha(const float& alpha) override { m_alpha = alpha; }
  float GetAlpha() override { return m_alpha; }
  bool Load(int id) override;
  bool Validate(std::uint32_t) override { return true; }
  void SetColor(const hgeColor& color) override { m_color = color; }
  hgeColor& GetColor() override { return m_color; }
  void SetScale(const GF::TPoint<float>& scale) override { m_scale = scale; }
  void SetBlendMode(int mode) override;
  void SetRotation(float radians) override;
  float GetRotation() override { return m_rotation; }
  int GetTracking() override { return m_tracking; }
  int GetLineSpacing() override { return m_lineSpacing; }

  // The glyph of a code, or null.
  const tagChar* GetGlyph(wchar_t code) const;
  int GetBlendCode() const { return m_blend; }
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }

 private:
  struct FileData;

  // The glyph's advance with spacing and tracking.
  int Advance(const tagChar& glyph) const { return glyph.Advance() + m_spacing + m_tracking; }
  // The glyph colour: the font colour with the alpha byte from the font's alpha.
  std::uint32_t DrawColor() const;
  // Applies the colour and blend code to a glyph before it draws.
  void Prepare(const tagChar& glyph, std::uint32_t color) const;

  Engine* m_engine;
  int m_spacing = 0;
  int FontMetric1 = 0;
  int FontMetric2 = 0;
  int FontMetric3 = 0;
  std::vector<GF::THolder<CTexture>> m_pages;
  std::vector<GF::THolder<tagChar>> m_glyphs;  // by code; empty until a font is loaded
  int m_tracking = 0;
  int m_lineSpacing = 0;
  float m_alpha = 1.0f;
  hgeColor m_color{1.0f, 1.0f, 1.0f, 1.0f};
  float m_rotation = 0.0f;
  float m_sin = 0.0f;
  float m_cos = 1.0f;
  GF::TPoint<float> m_scale{1.0f, 1.0f};
  int m_blend = BLEND_DEFAULT;
  std::wstring m_printBuffer;  // Printf's
};

}  // namespace GF::HGENS
