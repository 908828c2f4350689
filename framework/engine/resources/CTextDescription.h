#pragma once

#include <string>

#include "framework/engine/resources/ITextDescrition.h"

namespace GF::HGENS {

class CTextDescription : public GF::ITextDescrition {
 public:
  CTextDescription(std::string name, int fontNumber, int second, int third, int flags,
                   int textIndex)
      : m_fontNumber(fontNumber),
        m_second(second),
        m_third(third),
        m_flags(flags),
        m_name(std::move(name)),
        m_textIndex(textIndex) {}

  int GetLowFlags() const override { return m_flags & 0x0F; }
  int GetHighFlags() const override { return m_flags & 0xF0; }
  int GetFontNumber() const override { return m_fontNumber; }
  int GetSecondValue() const override { return m_second; }
  int GetThirdValue() const override { return m_third; }
  const std::string& GetName() const override { return m_name; }
  const std::wstring& GetText() const override;
  int GetTextIndex() const { return m_textIndex; }

 private:
  int m_fontNumber;
  int m_second;
  int m_third;
  int m_flags;
  std::string m_name;
  int m_textIndex;
};

}  // namespace GF::HGENS
