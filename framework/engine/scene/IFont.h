#pragma once

#include <cstdint>

#include "framework/core/CObjectProperties.h"
#include "framework/core/CRefCount.h"
#include "framework/core/TPoint.h"
#include "framework/core/hgeColor.h"

namespace GF {

// A bitmap font drawing wide texts (zero-terminated, one UTF-16 unit per wchar_t). A line
// break is the two characters backslash and "n", as texts stand in the text table.
class IFont : public CRefCount {
 public:
  // Horizontal alignment: 0 left, 1 centre, 2 right. Vertical: 0x10, 0x20, 0x40 (centred
  // over the given line count), else the top.
  enum : int { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };
  enum : int { kVAlign10 = 0x10, kVAlign20 = 0x20, kVAlignCenter = 0x40 };

  // Draws in the frame of transform (its position, sine, cosine and scales).
  virtual void DrawText(const CObjectProperties& transform, const wchar_t* text, int align,
                        int valign, int lines) = 0;
  // Draws at a point with the font's own scale and rotation.
  virtual void RenderText(const float& x, const float& y, const wchar_t* text, int align) = 0;
  // Formats into 255 characters at most, then RenderText left aligned.
  virtual void Printf(float x, float y, const wchar_t* format, ...) = 0;
  // The first line's width; characters without a glyph add nothing.
  virtual float GetLineWidth(const wchar_t* text) = 0;
  // The widest line's width.
  virtual float GetTextWidth(const wchar_t* text) = 0;
  virtual float GetHeight() = 0;
  virtual int GetBase() = 0;
  virtual void SetTracking(int tracking) = 0;
  virtual void SetLineSpacing(int spacing) = 0;
  virtual void SetAlpha(const float& alpha) = 0;
  virtual float GetAlpha() = 0;
  // Reads "Font\<id>.fnt" and its page textures; false when missing or malformed, and the
  // font then keeps what it had.
  virtual bool Load(int id) = 0;
  virtual bool Validate(std::uint32_t value) = 0;
  virtual void SetColor(const hgeColor& color) = 0;
  virtual hgeColor& GetColor() = 0;
  virtual void SetScale(const TPoint<float>& scale) = 0;
  // The blend-mode track's values: 0 (also resets the colour to white), 1 to 4; others are
  // ignored.
  virtual void SetBlendMode(int mode) = 0;
  virtual void SetRotation(float radians) = 0;
  virtual float GetRotation() = 0;
  virtual int GetTracking() = 0;
  virtual int GetLineSpacing() = 0;
};

}  // namespace GF
