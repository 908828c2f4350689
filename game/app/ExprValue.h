#pragma once

#include <cstdint>
#include <string>

// What an expression evaluates to: a number (type 1) or a string (any other type).
struct ExprValue {
  std::int32_t type = 1;
  std::string text;
  float number = 0.0f;

  bool operator==(const ExprValue&) const = default;
};
