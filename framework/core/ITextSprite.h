#pragma once

#include <string>

#include "framework/core/IBase.h"

namespace GF {

// A drawable that shows a text (interface id 6). Texts hold UTF-16 units.
class ITextSprite : public virtual IBase {
 public:
  virtual const std::wstring& GetText() const = 0;
  virtual void SetText(const std::wstring& text) = 0;
  // Shows the number as its decimal text.
  virtual void SetNumber(int number) = 0;

 protected:
  ~ITextSprite() = default;
};

}  // namespace GF
