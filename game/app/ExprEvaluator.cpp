#include "game/app/ExprEvaluator.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "game/app/GameData.h"

namespace {

constexpr std::int32_t NumberType = 1;

enum ExprKind : std::int32_t {
  Literal = 1,
  Property = 2,
  Set = 20,
  Choose = 19,
  Pick = 26,
};

enum NumericOp : std::int32_t {
  First = 0,
  Sum = 3,
  Subtract = 4,
  Product = 5,
  Divide = 6,
  Absolute = 7,
  Remainder = 8,
  MinFirstLast = 12,
  MaxFirstLast = 13,
  AllEqualLast = 14,
  Not = 15,
  Or = 16,
  And = 18,
  NoneEqualsLast = 21,
  Decreasing = 22,
  Increasing = 23,
  NonIncreasing = 24,
  NonDecreasing = 25,
};

OperatorResult Plain(float number) {
  return {false, false, number, {}};
}
OperatorResult Truth(bool truth) {
  return {true, truth, 0.0f, {}};
}

// The zero value of a node's type, for trees that have no sensible value.
ExprValue Degenerate(const ExprNode& node) {
  return ExprValue{node.valueType, {}, 0.0f};
}

float Number(std::span<const ExprValue> a, std::size_t i) {
  return a[i].number;
}

// Each neighbouring pair (a_i, a_i+1) satisfies holds.
template <typename Holds>
bool EveryPair(std::span<const ExprValue> a, Holds holds) {
  for (std::size_t i = 0; i + 1 < a.size(); ++i)
    if (!holds(Number(a, i), Number(a, i + 1))) return false;
  return true;
}

// a_(n-1) mod a_(n-2) mod ... mod a_0 on the integer parts; fmod of whole numbers is the
// truncated remainder with the dividend's sign, without any int overflow. 0.0 when a divisor
// is 0.
float RemainderChain(std::span<const ExprValue> a) {
  double result = std::trunc(static_cast<double>(a.back().number));
  for (std::size_t i = a.size() - 1; i-- > 0;) {
    const double divisor = std::trunc(static_cast<double>(a[i].number));
    if (divisor == 0.0) return 0.0f;
    result = std::fmod(result, divisor);
  }
  return static_cast<float>(result);
}

ExprValue Evaluate(const ExprNode& node, PlayerProfile& profile, int depth);

ExprValue EvaluateOperator(const ExprNode& node, PlayerProfile& profile, int depth) {
  const std::size_t n = node.children.size();
  if (n == 0) return Degenerate(node);
  std::vector<ExprValue> values(n);
  // Last child first: the side effects of later children happen first.
  for (std::size_t i = n; i-- > 0;) values[i] = Evaluate(node.children[i], profile, depth + 1);

  switch (node.kind) {
    case Pick: {
      // k = 0 picks the child just before the last.
      const double k = std::trunc(static_cast<double>(values[n - 1].number));
      if (!(k >= 0.0 && k <= static_cast<double>(n) - 2.0)) return Degenerate(node);
      return values[n - 2 - static_cast<std::size_t>(k)];
    }
    case Set:
      for (std::size_t j = 1; j < n; ++j) {
        const std::int32_t id = node.children[j].propertyId;
        if (values[0].type == NumberType) {
          profile.Floats[id] = values[0].number;
        } else {
          profile.Strings[id] = values[0].text;
        }
      }
      return values[0];
    case Choose:
      if (values[n - 1].number == 0.0f) return values[0];
      return n >= 2 ? values[1] : Degenerate(node);
    default:
      break;
  }
  const std::int32_t type = values[0].type;
  const OperatorResult result = type == NumberType ? ApplyNumericOperator(node.kind, values)
                                                   : ApplyStringOperator(node.kind, values);
  if (result.isTruth) return ExprValue{NumberType, {}, result.truth ? 1.0f : 0.0f};
  if (type == NumberType) return ExprValue{type, {}, result.number};
  return ExprValue{type, result.text, 0.0f};
}

ExprValue Evaluate(const ExprNode& node, PlayerProfile& profile, int depth) {
  if (depth > MaxExprDepth) return Degenerate(node);
  switch (node.kind) {
    case Literal:
      if (node.valueType == NumberType) return ExprValue{node.valueType, {}, node.number};
      return ExprValue{node.valueType, node.literal, 0.0f};
    case Property:
      if (node.valueType == NumberType)
        return ExprValue{node.valueType, {}, profile.Floats[node.propertyId]};
      return ExprValue{node.valueType, profile.Strings[node.propertyId], 0.0f};
    default:
      return EvaluateOperator(node, profile, depth);
  }
}

}  // namespace

ExprValue EvaluateExpression(const ExprNode& node, PlayerProfile& profile) {
  return Evaluate(node, profile, 1);  // depths counted as the loader counts them
}

bool EvaluateCondition(const ExprNode& node, PlayerProfile& profile) {
  const ExprValue value = EvaluateExpression(node, profile);
  return value.type == NumberType && value.number != 0.0f;
}

std::optional<ExprValue> EvaluateNamedExpression(const std::string& name, PlayerProfile& profile) {
  const auto found = NamedExpressions.find(name);
  if (found == NamedExpressions.end()) return std::nullopt;
  return EvaluateExpression(found->second.Root, profile);
}

OperatorResult ApplyNumericOperator(std::int32_t kind, std::span<const ExprValue> a) {
  if (a.empty()) return Plain(0.0f);
  const std::size_t n = a.size();
  const float first = a.front().number;
  const float last = a.back().number;
  switch (kind) {
    case First:
      return Plain(first);
    case Sum:
    case Product: {
      float result = last;
      for (std::size_t i = n - 1; i-- > 0;)
        result = kind == Sum ? result + a[i].number : result * a[i].number;
      return Plain(result);
    }
    case Subtract:
    case Divide: {
      if (n == 1) return Plain(kind == Subtract ? -first : first);
      float result = last;
      for (std::size_t i = n - 1; i-- > 0;)
        result = kind == Subtract ? result - a[i].number : result / a[i].number;
      return Plain(result);
    }
    case Absolute:
      return Plain(std::fabs(first));
    case Remainder:
      return Plain(RemainderChain(a));
    case MinFirstLast:
      return Plain(last <= first ? last : first);
    case MaxFirstLast:
      return Plain(last < first ? first : last);
    case AllEqualLast:
      for (const ExprValue& v : a)
        if (v.number != last) return Truth(false);
      return Truth(true);
    case Not:
      return Truth(first == 0.0f);
    case Or:
      for (const ExprValue& v : a)
        if (v.number != 0.0f) return Truth(true);
      return Truth(false);
    case And:
      for (const ExprValue& v : a)
        if (v.number == 0.0f) return Truth(false);
      return Truth(true);
    case NoneEqualsLast:
      for (std::size_t i = 0; i + 1 < n; ++i)
        if (a[i].number == last) return Truth(false);
      return Truth(true);
    case Decreasing:
      return Truth(EveryPair(a, [](float x, float y) { return x > y; }));
    case Increasing:
      return Truth(EveryPair(a, [](float x, float y) { return x < y; }));
    case NonIncreasing:
      return Truth(EveryPair(a, [](float x, float y) { return x >= y; }));
    case NonDecreasing:
      return Truth(EveryPair(a, [](float x, float y) { return x <= y; }));
    default:
      return Plain(0.0f);
  }
}

OperatorResult ApplyStringOperator(std::int32_t kind, std::span<const ExprValue> s) {
  OperatorResult result;
  if (s.empty()) return result;
  const std::string& last = s.back().text;
  switch (kind) {
    case First:
      result.text = s.front().text;
      return result;
    case Sum:
      for (std::size_t i = s.size(); i-- > 0;) result.text += s[i].text;
      return result;
    case AllEqualLast:
      result.isTruth = true;
      result.truth = true;
      for (const ExprValue& v : s) result.truth = result.truth && v.text == last;
      return result;
    case NoneEqualsLast:
      result.isTruth = true;
      result.truth = true;
      for (std::size_t i = 0; i + 1 < s.size(); ++i)
        result.truth = result.truth && s[i].text != last;
      return result;
    default:
      return result;
  }
}
