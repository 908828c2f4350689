#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"

// One node of a data-driven expression over the current player's profile properties.
struct ExprNode {
  std::int32_t valueType = 0;  // 1 = number, anything else = string
  std::string literal;         // string constant (kind 1 with a string type)
  std::int32_t kind = 0;       // 1 literal, 2 property, anything else an operator
  float number = 0.0f;         // numeric constant (kind 1 with type 1)
  std::int32_t propertyId = 0;
  std::vector<ExprNode> children;

  bool operator==(const ExprNode&) const = default;
};

// A named expression of section 16 of "gamedata.bin".
struct NamedExpression {
  ExprNode Root;
  std::string Name;

  bool operator==(const NamedExpression&) const = default;
};

// Trees deeper than this are refused: no data nests anywhere near it, and a corrupt file must
// not recurse the stack away.
constexpr int MaxExprDepth = 64;

void ReadExprNode(GF::CStreamReader& in, ExprNode& node);
void WriteExprNode(GF::COutputStream& out, const ExprNode& node);
void ReadNamedExpression(GF::CStreamReader& in, NamedExpression& named);
void WriteNamedExpression(GF::COutputStream& out, const NamedExpression& named);
