#include "framework/engine/scene/CTextSpriteObject.h"

#include "framework/core/ColorConversion.h"
#include "framework/engine/resources/CResource.h"

namespace GF::HGENS {
namespace {

constexpr int kBlendColorGiven = 2;

// 1 + the number of two-character line breaks (backslash, "n").
int CountLines(const std::wstring& text) {
  int lines = 1;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == L'\\' && text[i + 1] == L'n') {
      ++lines;
      ++i;
    }
  }
  return lines;
}

// The offset of the first line's top below the anchor, as the font places it.
float VerticalOffset(int valign, float height, float base, int lines) {
  switch (valign) {
    case GF::IFont::kVAlign10:
      return height - base;
    case GF::IFont::kVAlign20:
      return base;
    case GF::IFont::kVAlignCenter:
      return -(height * static_cast<float>(lines - 2) + base) / 2.0f;
    default:
      return 0.0f;
  }
}

}  // namespace

bool CTextSpriteObject::QueryInterface(const int& id, void** out) {
  if (id == GF::kIdTextSprite) return Grant(static_cast<GF::ITextSprite*>(this), out);
  return CDrawableObject::QueryInterface(id, out);
}

bool CTextSpriteObject::Update(const float& dt) {
  if (!CDrawableAbstract::Update(dt)) return false;
  if (id_.IsChanged()) {
    const auto registry = GetResources();
    m_description = registry->GetTextInfo(id_.GetValue());
    m_font = m_description ? registry->GetFont(m_description->GetFontNumber()) : nullptr;
    if (m_description && !m_textGiven) m_sourceText = m_description->GetText();
    m_layoutDone = false;
  }
  if (!m_layoutDone || properties_.x != m_laidX || properties_.y != m_laidY ||
      properties_.scaleX != m_laidScaleX || properties_.scaleY != m_laidScaleY) {
    Layout();
  }
  return true;
}

void CTextSpriteObject::SetText(const std::wstring& text) {
  m_sourceText = text;
  m_displayText = text;
  m_textGiven = true;
  Layout();
}

void CTextSpriteObject::SetText(const wchar_t* text) {
  SetText(std::wstring(text ? text : L""));
}

void CTextSpriteObject::SetNumber(int number) {
  SetText(std::to_wstring(number));
}

std::uint32_t CTextSpriteObject::GetColor() const {
  return GF::ColorToArgb(m_color);
}

void CTextSpriteObject::SetColor(std::uint32_t color) {
  GF::ArgbToColor(color, m_color);
  m_colorSet = true;
}

void CTextSpriteObject::Layout() {
  if (!m_description || !m_font) return;
  m_layoutDone = true;
  m_laidX = properties_.x;
  m_laidY = properties_.y;
  m_laidScaleX = properties_.scaleX;
  m_laidScaleY = properties_.scaleY;
  m_font->SetTracking(m_description->GetSecondValue());
  m_font->SetLineSpacing(m_description->GetThirdValue());
  m_font->SetScale({properties_.scaleX, properties_.scaleY});
  if (m_displayText != m_sourceText) m_displayText = m_sourceText;
  m_lineCount = CountLines(m_displayText);
  const int width =
      static_cast<int>(m_font->GetLineWidth(m_displayText.c_str()) * properties_.scaleX);
  int left = static_cast<int>(properties_.x);
  switch (m_description->GetLowFlags()) {
    case GF::IFont::kAlignRight:
      left = static_cast<int>(properties_.x - static_cast<float>(width));
      break;
    case GF::IFont::kAlignCenter:
      left = static_cast<int>(properties_.x - static_cast<float>(width / 2));
      break;
    default:
      break;
  }
  const float height = m_font->GetHeight();
  const float offset = VerticalOffset(m_description->GetHighFlags(), height,
                                      static_cast<float>(m_font->GetBase()), m_lineCount);
  const float blockHeight = height * static_cast<float>(m_lineCount) +
                            static_cast<float>(m_font->GetLineSpacing() * (m_lineCount - 1));
  m_anchor = {properties_.x, properties_.y + offset * properties_.scaleY};
  m_rect.left = left;
  m_rect.right = left + width;
  m_rect.top = static_cast<int>(m_anchor.y);
  m_rect.bottom = m_rect.top + static_cast<int>(blockHeight * properties_.scaleY);
}

void CTextSpriteObject::Render() {
  if (!m_font) return;
  if (m_description) {
    m_font->SetTracking(m_description->GetSecondValue());
    m_font->SetLineSpacing(m_description->GetThirdValue());
  }
  // The colour track never colours text: until a colour is given texts draw white, and the
  // blend-mode track only picks how.
  m_font->SetColor(m_color);
  m_font->SetAlpha(properties_.opacity);
  m_font->SetBlendMode(m_colorSet ? kBlendColorGiven : blend_.GetValue());
  m_font->SetScale({properties_.scaleX, properties_.scaleY});
  m_font->SetRotation(properties_.angle);
  const int align = m_description ? m_description->GetLowFlags() : 0;
  const int valign = m_description ? m_description->GetHighFlags() : 0;
  m_font->DrawText(properties_, m_displayText.c_str(), align, valign, m_lineCount);
}

}  // namespace GF::HGENS
