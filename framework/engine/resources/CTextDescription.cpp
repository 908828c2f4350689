#include "framework/engine/resources/CTextDescription.h"

#include "framework/engine/resources/TextTable.h"

namespace GF::HGENS {

const std::wstring& CTextDescription::GetText() const {
  return TextTable::Instance().GetText(m_textIndex);
}

}  // namespace GF::HGENS
