#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/COutputStream.h"
#include "framework/core/CStreamReader.h"
#include "game/app/ExprNode.h"

// A condition or an action of a flow rule.
struct RuleItem {
  ExprNode expression;  // used instead of the fields below when its root has children
  std::int32_t propertyId = 0;
  std::int32_t op = 0;
  std::int32_t valueType = 0;  // 1 = float property, anything else = string property
  float number = 0.0f;
  std::string text;

  bool operator==(const RuleItem&) const = default;
};

// One entry of the screen-flow table (section 15 of "gamedata.bin").
struct FlowRule {
  bool enabled = false;
  std::string screen;          // "None" matches any screen and no screen
  std::string previousScreen;  // "None" matches anything
  std::string event;           // "none" (lower case) matches any event
  std::string target;          // "None" arms nothing
  bool closeFirst = false;
  std::string parameter;
  bool modal = false;
  std::string layout;
  bool smooth = false;
  std::vector<RuleItem> conditions;
  std::vector<RuleItem> actions;

  bool operator==(const FlowRule&) const = default;
};

// A rule as most are written: enabled, after any previous screen, without conditions or
// actions, the target opened with the layout in place of the open screens; target "None"
// arms nothing.
FlowRule MakeFlowRule(const std::string& screen, const std::string& event,
                      const std::string& target, const std::string& layout = "");
// The action "float property id := value".
RuleItem FloatAssignment(std::int32_t id, float value);
// The condition "float property id <op> value" (op 0 ==, 1 !=, 2 <, 3 >, 4 <=, 5 >=).
RuleItem FloatCondition(std::int32_t id, std::int32_t op, float value);
// The action "string property id := text".
RuleItem StringAssignment(std::int32_t id, const std::string& text);

void ReadRuleItem(GF::CStreamReader& in, RuleItem& item);
void ReadFlowRule(GF::CStreamReader& in, FlowRule& rule);
void WriteRuleItem(GF::COutputStream& out, const RuleItem& item);
void WriteFlowRule(GF::COutputStream& out, const FlowRule& rule);
