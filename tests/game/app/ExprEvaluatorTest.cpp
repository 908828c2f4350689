#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <string>

#include "game/app/ExprEvaluator.h"
#include "game/app/GameData.h"

namespace {

ExprNode Num(float value) {
  ExprNode node;
  node.valueType = 1;
  node.kind = 1;
  node.number = value;
  return node;
}

ExprNode Str(const std::string& text) {
  ExprNode node;
  node.valueType = 0;
  node.kind = 1;
  node.literal = text;
  return node;
}

ExprNode FloatProp(std::int32_t id) {
  ExprNode node = Num(0.0f);
  node.kind = 2;
  node.propertyId = id;
  return node;
}

ExprNode StringProp(std::int32_t id) {
  ExprNode node = Str("");
  node.kind = 2;
  node.propertyId = id;
  return node;
}

ExprNode Op(std::int32_t kind, std::initializer_list<ExprNode> children, std::int32_t type = 1) {
  ExprNode node;
  node.valueType = type;
  node.kind = kind;
  node.children = children;
  return node;
}

ExprValue N(float value) {
  return ExprValue{1, {}, value};
}
ExprValue S(const std::string& text) {
  return ExprValue{0, text, 0.0f};
}

struct Case {
  const char* what;
  ExprNode tree;
  ExprValue expected;
};

TEST(ExprEvaluator, EvaluatesTheOperatorTables) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {"number literal", Num(2.5f), N(2.5f)},
      {"string literal", Str("x"), S("x")},
      {"first operand", Op(0, {Num(4), Num(9)}), N(4)},
      {"sum", Op(3, {Num(1), Num(2), Num(3.5f)}), N(6.5f)},
      {"negation", Op(4, {Num(10)}), N(-10)},
      {"subtraction chain from the last", Op(4, {Num(10), Num(3)}), N(-7)},
      {"longer subtraction", Op(4, {Num(1), Num(2), Num(10)}), N(7)},
      {"product", Op(5, {Num(2), Num(3), Num(4)}), N(24)},
      {"division chain from the last", Op(6, {Num(2), Num(4), Num(16)}), N(2)},
      {"absolute value", Op(7, {Num(-3), Num(5)}), N(3)},
      {"remainder chain", Op(8, {Num(3), Num(7.9f), Num(-23.5f)}), N(-2)},
      {"remainder by zero", Op(8, {Num(0.5f), Num(7)}), N(0)},
      {"minimum of first and last", Op(12, {Num(5), Num(-100), Num(3)}), N(3)},
      {"maximum of first and last", Op(13, {Num(5), Num(100), Num(3)}), N(5)},
      {"all equal the last", Op(14, {Num(2), Num(2), Num(2)}), N(1)},
      {"not all equal", Op(14, {Num(2), Num(3), Num(2)}), N(0)},
      {"not", Op(15, {Num(0), Num(1)}), N(1)},
      {"or", Op(16, {Num(0), Num(0), Num(-1)}), N(1)},
      {"or of zeros", Op(16, {Num(0)}), N(0)},
      {"and", Op(18, {Num(1), Num(0)}), N(0)},
      {"none equals the last", Op(21, {Num(1), Num(2), Num(3)}), N(1)},
      {"one equals the last", Op(21, {Num(3), Num(2), Num(3)}), N(0)},
      {"strictly decreasing", Op(22, {Num(3), Num(2), Num(1)}), N(1)},
      {"not strictly decreasing", Op(22, {Num(3), Num(3), Num(1)}), N(0)},
      {"strictly increasing", Op(23, {Num(1), Num(2), Num(3)}), N(1)},
      {"non-increasing", Op(24, {Num(3), Num(3), Num(1)}), N(1)},
      {"non-decreasing", Op(25, {Num(1), Num(1), Num(0)}), N(0)},
      {"single operand truths", Op(23, {Num(0)}), N(1)},
      {"and over one zero", Op(18, {Num(0)}), N(0)},
      {"unknown numeric operator", Op(9, {Num(4)}), N(0)},
      {"NaN equals nothing", Op(14, {Num(nan)}), N(0)},
      {"concatenation from the last", Op(3, {Str("a"), Str("b"), Str("c")}, 0), S("cba")},
      {"first string", Op(0, {Str("a"), Str("b")}, 0), S("a")},
      {"string truth is a number", Op(14, {Str("a"), Str("a")}, 0), N(1)},
      {"no string equals the last", Op(21, {Str("a"), Str("b"), Str("a")}, 0), N(0)},
      {"unknown string operator", Op(5, {Str("a")}, 0), S("")},
      {"the first child's type decides", Op(3, {Str("a"), Num(1)}), S("a")},
      {"pick 0 takes the child before the last", Op(26, {Str("x"), Str("y"), Str("z"), Num(0)}),
       S("z")},
      {"pick 2", Op(26, {Str("x"), Str("y"), Str("z"), Num(2)}), S("x")},
      {"pick past the first child", Op(26, {Str("x"), Num(1)}), N(0)},
      {"pick below 0", Op(26, {Str("x"), Str("y"), Num(-1)}), N(0)},
      {"choose the second", Op(19, {Str("no"), Str("yes"), Num(2)}), S("yes")},
      {"choose the first", Op(19, {Str("no"), Str("yes"), Num(0)}), S("no")},
      {"choose with one child", Op(19, {Num(1)}), N(0)},
      {"operator without children", Op(3, {}, 0), S("")},
  };
  for (const Case& c : cases) {
    PlayerProfile profile;
    EXPECT_EQ(EvaluateExpression(c.tree, profile), c.expected) << c.what;
  }
}

TEST(ExprEvaluator, ReadsAndCreatesProfileProperties) {
  PlayerProfile profile;
  profile.Floats[4] = 12.0f;
  profile.Strings[11] = "stage1_1";
  EXPECT_EQ(EvaluateExpression(Op(3, {FloatProp(4), FloatProp(5)}), profile), N(12));
  EXPECT_EQ(EvaluateExpression(StringProp(11), profile), S("stage1_1"));
  EXPECT_EQ(EvaluateExpression(StringProp(12), profile), S(""));
  EXPECT_TRUE(profile.Floats.contains(5));
  EXPECT_TRUE(profile.Strings.contains(12));
}

TEST(ExprEvaluator, SetAssignsEveryTargetAndYieldsTheValue) {
  PlayerProfile profile;
  EXPECT_EQ(EvaluateExpression(Op(20, {Num(4), FloatProp(13), FloatProp(14)}), profile), N(4));
  EXPECT_EQ(profile.Floats[13], 4.0f);
  EXPECT_EQ(profile.Floats[14], 4.0f);
  // The value's type decides which map; the target nodes' own kind and type do not matter.
  EXPECT_EQ(EvaluateExpression(Op(20, {Str("hi"), FloatProp(30), Num(0)}), profile), S("hi"));
  EXPECT_EQ(profile.Strings[30], "hi");
  EXPECT_EQ(profile.Strings[0], "hi");
}

TEST(ExprEvaluator, LaterChildrenAreEvaluatedFirst) {
  PlayerProfile profile;
  // Child 1 sets property 7 to 5 before child 0 reads it.
  const ExprNode tree = Op(3, {FloatProp(7), Op(20, {Num(5), FloatProp(7)})});
  EXPECT_EQ(EvaluateExpression(tree, profile), N(10));
}

TEST(ExprEvaluator, ConditionsAreTrueOnlyForNonZeroNumbers) {
  PlayerProfile profile;
  EXPECT_TRUE(EvaluateCondition(Num(-0.5f), profile));
  EXPECT_FALSE(EvaluateCondition(Num(0.0f), profile));
  EXPECT_FALSE(EvaluateCondition(Str("1"), profile));
  EXPECT_TRUE(EvaluateCondition(Op(14, {Str("1"), Str("1")}, 0), profile));
}

TEST(ExprEvaluator, NamedExpressionsAreLookedUpByName) {
  GameDatabase = GameData{};
  NamedExpressions["test"] = NamedExpression{Op(20, {Num(3), FloatProp(14)}), "test"};
  PlayerProfile profile;
  EXPECT_EQ(EvaluateNamedExpression("test", profile), N(3));
  EXPECT_EQ(profile.Floats[14], 3.0f);
  EXPECT_FALSE(EvaluateNamedExpression("Test", profile));
  GameDatabase = GameData{};
}

TEST(ExprEvaluator, TreesDeeperThanTheLoadBoundGiveZero) {
  auto chain = [](int depth) {
    ExprNode node = Num(1.0f);
    for (int i = 1; i < depth; ++i) node = Op(3, {node});
    return node;
  };
  PlayerProfile profile;
  EXPECT_EQ(EvaluateExpression(chain(MaxExprDepth), profile), N(1));
  EXPECT_EQ(EvaluateExpression(chain(MaxExprDepth + 1), profile), N(0));
}

}  // namespace
