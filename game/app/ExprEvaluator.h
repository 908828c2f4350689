#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "game/app/ExprNode.h"
#include "game/app/ExprValue.h"
#include "game/app/ProgressBlock.h"

// The result of an operator over its children's values: a plain value, or a truth value that
// the expression turns into the number 1.0 or 0.0.
struct OperatorResult {
  bool isTruth = false;
  bool truth = false;
  float number = 0.0f;
  std::string text;
};

// Evaluates the tree against the profile, whose float and string properties it reads (a
// missing id is created) and may assign (kind 20). Trees the data never holds (an operator
// without children, a pick or choice out of range, a remainder by 0, a tree deeper than
// MaxExprDepth) give 0.0 or "" instead of failing.
ExprValue EvaluateExpression(const ExprNode& node, PlayerProfile& profile);
// True when the tree evaluates to a number other than 0.0.
bool EvaluateCondition(const ExprNode& node, PlayerProfile& profile);

// Evaluates the named expression of "gamedata.bin" (such as "test", run once at start-up);
// nothing when there is none of that name.
std::optional<ExprValue> EvaluateNamedExpression(const std::string& name, PlayerProfile& profile);

// The operator tables over the children's numbers or strings (operands in child order).
OperatorResult ApplyNumericOperator(std::int32_t kind, std::span<const ExprValue> operands);
OperatorResult ApplyStringOperator(std::int32_t kind, std::span<const ExprValue> operands);
