#pragma once

#include <string>

#include "framework/core/ISubstAnimationDescription.h"

namespace GF::HGENS {

class CSubstAnimationDescription : public GF::ISubstAnimationDescription {
 public:
  CSubstAnimationDescription(std::string first, std::string second)
      : m_first(std::move(first)), m_second(std::move(second)) {}

  const std::string& GetFirstName() const override { return m_first; }
  const std::string& GetSecondName() const override { return m_second; }

 private:
  std::string m_first;
  std::string m_second;
};

}  // namespace GF::HGENS
