#pragma once

#include <string>

#include "framework/core/CRefCount.h"

namespace GF {

// How a text sprite shows one text of the text table: font, two values and flags whose
// meaning the text sprite decides.
class ITextDescrition : public CRefCount {
 public:
  // Flags AND 0x0F.
  virtual int GetLowFlags() const = 0;
  // Flags AND 0xF0.
  virtual int GetHighFlags() const = 0;
  virtual int GetFontNumber() const = 0;
  virtual int GetSecondValue() const = 0;
  virtual int GetThirdValue() const = 0;
  virtual const std::string& GetName() const = 0;
  // The text table's text at the description's text index (empty when out of the table).
  virtual const std::wstring& GetText() const = 0;
};

}  // namespace GF
