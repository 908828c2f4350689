#pragma once

#include <cstdint>
#include <string>

#include "framework/core/ITextSprite.h"
#include "framework/core/hgeColor.h"
#include "framework/engine/resources/ITextDescrition.h"
#include "framework/engine/scene/CDrawableObject.h"
#include "framework/engine/scene/IFont.h"

namespace GF::HGENS {

// Draws a wide text with a bitmap font. Its resource-id track picks the registry's text
// description: the font, the tracking (second value), the line spacing (third value), the
// horizontal alignment (low flags: 0 left, 1 centre, 2 right) and the vertical one (high
// flags), and the text table's text, shown until a text is given through ITextSprite.
class CTextSpriteObject : public CDrawableObject, public GF::ITextSprite {
 public:
  CTextSpriteObject() = default;

  bool QueryInterface(const int& id, void** out) override;

  // IObjectAnimation
  bool Update(const float& dt) override;

  // IDrawable
  void Render() override;
  const GF::TRect<int>& GetBoundingRect() override { return m_rect; }

  // ITextSprite
  const std::wstring& GetText() const override { return m_displayText; }
  void SetText(const std::wstring& text) override;
  void SetNumber(int number) override;

  void SetText(const wchar_t* text);
  // ARGB; once given it stands for the colour track, drawn with blend code 2.
  std::uint32_t GetColor() const;
  void SetColor(std::uint32_t color);
  GF::THolder<GF::ITextDescrition> GetTextDescription() const { return m_description; }
  GF::THolder<GF::IFont> GetFont() const { return m_font; }
  int GetLineCount() const { return m_lineCount; }
  const GF::TPoint<float>& GetAnchor() const { return m_anchor; }

 private:
  // Measures the text and places its box; Update runs it only when the text, the
  // description, the font, the position or the scale changed since the last one.
  void Layout();

  int m_lineCount = 0;
  bool m_colorSet = false;
  hgeColor m_color{1.0f, 1.0f, 1.0f, 1.0f};
  bool m_textGiven = false;  // a text came through ITextSprite: the table's text stays away
  GF::THolder<GF::ITextDescrition> m_description;
  GF::THolder<GF::IFont> m_font;
  std::wstring m_displayText;
  std::wstring m_sourceText;
  GF::TPoint<float> m_anchor{0.0f, 0.0f};
  GF::TRect<int> m_rect;
  bool m_layoutDone = false;
  float m_laidX = 0.0f;
  float m_laidY = 0.0f;
  float m_laidScaleX = 0.0f;
  float m_laidScaleY = 0.0f;
};

}  // namespace GF::HGENS
