#pragma once

#include <string>

#include "framework/core/INamedPart.h"

namespace GF::HGENS {

class CNamedPart : public GF::INamedPart {
 public:
  CNamedPart(std::string name, float x, float y, int value)
      : m_x(x), m_y(y), m_value(value), m_name(std::move(name)) {}

  float GetX() const override { return m_x; }
  float GetY() const override { return m_y; }
  int GetValue() const override { return m_value; }
  const std::string& GetName() const override { return m_name; }

 private:
  float m_x;
  float m_y;
  int m_value;
  std::string m_name;
};

}  // namespace GF::HGENS
