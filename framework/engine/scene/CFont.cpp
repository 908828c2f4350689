#include "framework/engine/scene/CFont.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>

#include "framework/core/ColorConversion.h"
#include "framework/engine/resources/CBlobReader.h"

namespace GF::HGENS {

namespace {

constexpr char kMagic[] = "HGEFN10";
constexpr std::size_t kPrintfLength = 255;

bool IsLineBreak(const wchar_t* p) {
  return p[0] == L'\\' && p[1] == L'n';
}

// Big-endian reads that report a short file instead of yielding made-up values.
class FontReader {
 public:
  explicit FontReader(GF::CInputStream& in) : m_in(in) {}

  bool ok() const { return m_ok; }

  int U16() {
    std::uint8_t b[2] = {0, 0};
    if (m_in.Read(b, 2) != 2) m_ok = false;
    return b[0] << 8 | b[1];
  }
  int S16() { return static_cast<std::int16_t>(static_cast<std::uint16_t>(U16())); }

  // The packed string of the magic: a 7-bit-group length, then the bytes.
  bool Magic() {
    std::uint32_t length = 0;
    for (int shift = 0; shift < 35; shift += 7) {
      std::uint8_t b = 0;
      if (m_in.Read(&b, 1) != 1) return false;
      length |= static_cast<std::uint32_t>(b & 0x7F) << shift;
      if (!(b & 0x80)) break;
    }
    char text[sizeof kMagic - 1];
    return length == sizeof text && m_in.Read(text, sizeof text) == sizeof text &&
           std::memcmp(text, kMagic, sizeof text) == 0;
  }

 private:
  GF::CInputStream& m_in;
  bool m_ok = true;
};

}  // namespace

// What Load reads, kept apart until the whole file has been read.
struct CFont::FileData {
  int metric1 = 0, metric2 = 0, metric3 = 0, spacing = 0;
  std::vector<GF::THolder<CTexture>> pages;
  std::vector<GF::THolder<tagChar>> glyphs;
};

CFont::CFont() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CFont::~CFont() {
  m_glyphs.clear();  // sprites and pages go while the engine reference is held
  m_pages.clear();
  m_engine->Release();
}

bool CFont::Load(int id) {
  char name[260];
  std::snprintf(name, sizeof name, "Font\\%d.fnt", id);
  GF::THolder<CBlobReader> reader = CreateBlobReader();
  if (!reader->Open(name)) return false;
  m_engine->Log("%s", name);

  FontReader in(*reader);
  if (!in.Magic()) return false;
  FileData file;
  file.metric1 = in.S16();
  file.metric2 = in.S16();
  file.metric3 = in.S16();
  file.spacing = in.S16();
  const int pageCount = in.S16();
  if (!in.ok()) {
    m_engine->Log("Font file %s is truncated", name);
    return false;
  }
  for (int page = 0; page < pageCount; ++page) {
    char path[260];
    std::snprintf(path, sizeof path, "Font\\%d\\%d_%03d", id, id, page);
    file.pages.emplace_back(new CTexture(path, path));
    file.pages.back()->Load();
  }

  const int glyphCount = in.U16();
  file.glyphs.resize(kGlyphSlots);
  for (int i = 0; i < glyphCount && in.ok(); ++i) {
    const int code = in.U16();
    const int page = in.U16();
    const int left = in.S16(), right = in.S16(), top = in.S16();
    const float x = in.S16(), y = in.S16(), w = in.S16(), h = in.S16();
    // A code past the table or a page that does not exist is no glyph; the rest still load.
    if (!in.ok() || code >= kGlyphSlots || page >= static_cast<int>(file.pages.size())) continue;
    GF::THolder<tagChar> glyph(new tagChar);
    glyph->left = left;
    glyph->right = right;
    glyph->top = top;
    glyph->sprite = new CHGESprite(file.pages[page]->GetTexture(), x, y, w, h);
    file.glyphs[code] = std::move(glyph);
  }
  if (!in.ok()) {
    m_engine->Log("Font file %s is truncated", name);
    return false;
  }

  FontMetric1 = file.metric1;
  FontMetric2 = file.metric2;
  FontMetric3 = file.metric3;
  m_spacing = file.spacing;
  m_pages = std::move(file.pages);
  m_glyphs = std::move(file.glyphs);
  return true;
}

const tagChar* CFont::GetGlyph(wchar_t code) const {
  const auto index = static_cast<std::size_t>(code);
  return index < m_glyphs.size() ? m_glyphs[index].Get() : nullptr;
}

float CFont::GetHeight() {
  return static_cast<float>(std::abs(FontMetric3 - FontMetric1));
}

int CFont::GetBase() {
  return std::abs(FontMetric3 - FontMetric2);
}

float CFont::GetLineWidth(const wchar_t* text) {
  int width = 0;
  for (const wchar_t* p = text; *p && !IsLineBreak(p); ++p) {
    if (const tagChar* glyph = GetGlyph(*p)) width += Advance(*glyph);
  }
  return static_cast<float>(width);
}

float CFont::GetTextWidth(const wchar_t* text) {
  float widest = 0.0f;
  for (const wchar_t* line = text;;) {
    widest = std::max(widest, GetLineWidth(line));
    while (*line && !IsLineBreak(line)) ++line;
    if (!*line) return widest;
    line += 2;
  }
}

void CFont::SetBlendMode(int mode) {
  static constexpr int kBlendCodes[5] = {2, 3, 2, 1, 0};
  if (mode < 0 || mode > 4) return;
  m_blend = kBlendCodes[mode];
  if (mode == 0) m_color = hgeColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void CFont::SetRotation(float radians) {
  m_rotation = radians;
  m_sin = std::sin(radians);
  m_cos = std::cos(radians);
}

std::uint32_t CFont::DrawColor() const {
  const int alpha = std::clamp(static_cast<int>(m_alpha * 255.0f), 0, 255);
  return (GF::ColorToArgb(m_color) & 0x00FFFFFF) | static_cast<std::uint32_t>(alpha) << 24;
}

void CFont::Prepare(const tagChar& glyph, std::uint32_t color) const {
  glyph.sprite->SetColor(color);
  glyph.sprite->SetBlendMode(m_blend);
}

void CFont::DrawText(const GF::CObjectProperties& t, const wchar_t* text, int align, int valign,
                     int lines) {
  const float height = GetHeight();
  const float base = static_cast<float>(GetBase());
  auto lineStart = [&](const wchar_t* line) {
    if (align == kAlignRight) return std::floor(-GetLineWidth(line));
    if (align == kAlignCenter) return std::floor(-GetLineWidth(line) / 2.0f);
    return 0.0f;
  };
  float vy = 0.0f;
  if (valign == kVAlign10)
    vy = height - base;
  else if (valign == kVAlign20)
    vy = base;
  else if (valign == kVAlignCenter)
    vy = -(height * static_cast<float>(lines - 2) + base) / 2.0f;
  vy = std::floor(vy);
  float vx = lineStart(text);

  const std::uint32_t color = DrawColor();
  auto map = [&t](float px, float py, float* X, float* Y) {
    const float sx = px * t.scaleX, sy = py * t.scaleY;
    *X = t.x + sx * t.cos - sy * t.sin;
    *Y = t.y + sx * t.sin + sy * t.cos;
  };
  for (const wchar_t* p = text; *p;) {
    if (IsLineBreak(p)) {
      p += 2;
      vy = std::floor(vy + height + static_cast<float>(m_lineSpacing));
      vx = lineStart(p);
      continue;
    }
    const tagChar* glyph = GetGlyph(*p++);
    if (!glyph) continue;
    CHGESprite& sprite = *glyph->sprite;
    const float left = vx - static_cast<float>(glyph->left);
    const float top = vy - static_cast<float>(glyph->top);
    const float right = left + std::floor(sprite.GetWidth());
    const float bottom = top + std::floor(sprite.GetHeight());
    float c[8];
    map(left, top, &c[0], &c[1]);
    map(right, top, &c[2], &c[3]);
    map(right, bottom, &c[4], &c[5]);
    map(left, bottom, &c[6], &c[7]);
    Prepare(*glyph, color);
    sprite.Render4V(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
    vx += static_cast<float>(Advance(*glyph));
  }
}

void CFont::RenderText(const float& x, const float& y, const wchar_t* text, int align) {
  const float sx = m_scale.x, sy = m_scale.y;
  auto lineStart = [&](const wchar_t* line) {
    if (align == kAlignRight) return x - GetLineWidth(line) * sx;
    if (align == kAlignCenter) return x - GetLineWidth(line) * sx / 2.0f;
    return x;
  };
  float px = lineStart(text);
  float py = y;
  const std::uint32_t color = DrawColor();
  for (const wchar_t* p = text; *p;) {
    if (IsLineBreak(p)) {
      p += 2;
      py += (GetHeight() + static_cast<float>(m_lineSpacing)) * sy;
      px = lineStart(p);
      continue;
    }
    const tagChar* glyph = GetGlyph(*p++);
    if (!glyph) continue;
    float gx = px - static_cast<float>(glyph->left) * sx;
    float gy = py - static_cast<float>(glyph->top);  // the top offset is not scaled
    if (sx == 1.0f) gx = std::trunc(gx);
    if (sy == 1.0f) gy = std::trunc(gy);
    if (m_rotation != 0.0f) {
      const float dx = gx - x, dy = gy - y;
      gx = x + dx * m_cos - dy * m_sin;
      gy = y + dx * m_sin + dy * m_cos;
    }
    Prepare(*glyph, color);
    glyph->sprite->RenderEx(gx, gy, m_rotation, sx, sy);
    px += static_cast<float>(Advance(*glyph)) * sx;
  }
}

void CFont::Printf(float x, float y, const wchar_t* format, ...) {
  // Formatted whole first (a buffer that is too small leaves its contents unspecified),
  // then cut to the 255 characters that are drawn. The buffer is the font's own, so a line
  // printed every frame allocates only the first time.
  std::wstring& buffer = m_printBuffer;
  buffer.assign(256, L'\0');
  va_list args;
  va_start(args, format);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    const int n = std::vswprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (n >= 0) {
      buffer.resize(std::min<std::size_t>(static_cast<std::size_t>(n), kPrintfLength));
      break;
    }
    if (buffer.size() >= (std::size_t{1} << 16)) {  // not a length problem: an encoding error
      buffer.clear();
      break;
    }
    buffer.resize(buffer.size() * 4);
  }
  va_end(args);
  RenderText(x, y, buffer.c_str(), kAlignLeft);
}

}  // namespace GF::HGENS
