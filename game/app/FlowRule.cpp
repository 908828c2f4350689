#include "game/app/FlowRule.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t MinRuleItemBytes = 38;  // an expression leaf and the five fields
}  // namespace

FlowRule MakeFlowRule(const std::string& screen, const std::string& event,
                      const std::string& target, const std::string& layout) {
  FlowRule rule;
  rule.enabled = true;
  rule.screen = screen;
  rule.previousScreen = "None";
  rule.event = event;
  rule.target = target;
  rule.layout = layout;
  return rule;
}

RuleItem FloatAssignment(std::int32_t id, float value) {
  RuleItem item;
  item.propertyId = id;
  item.valueType = 1;
  item.number = value;
  return item;
}

RuleItem FloatCondition(std::int32_t id, std::int32_t op, float value) {
  RuleItem item = FloatAssignment(id, value);
  item.op = op;
  return item;
}

RuleItem StringAssignment(std::int32_t id, const std::string& text) {
  RuleItem item;
  item.propertyId = id;
  item.text = text;
  return item;
}

void ReadRuleItem(GF::CStreamReader& in, RuleItem& item) {
  ReadExprNode(in, item.expression);
  item.propertyId = in.Int32BE();
  item.op = in.Int32BE();
  item.valueType = in.Int32BE();
  item.number = in.Float();
  item.text = in.String();
}

void ReadFlowRule(GF::CStreamReader& in, FlowRule& rule) {
  rule.enabled = in.Bool();
  rule.screen = in.String();
  rule.previousScreen = in.String();
  rule.event = in.String();
  rule.target = in.String();
  rule.closeFirst = in.Bool();
  rule.parameter = in.String();
  rule.modal = in.Bool();
  rule.layout = in.String();
  rule.smooth = in.Bool();
  ReadList(in, rule.conditions, MinRuleItemBytes, ReadRuleItem);
  ReadList(in, rule.actions, MinRuleItemBytes, ReadRuleItem);
}

void WriteRuleItem(GF::COutputStream& out, const RuleItem& item) {
  WriteExprNode(out, item.expression);
  GF::WriteInt32BE(out, item.propertyId);
  GF::WriteInt32BE(out, item.op);
  GF::WriteInt32BE(out, item.valueType);
  GF::WriteFloat(out, item.number);
  GF::WriteString(out, item.text);
}

void WriteFlowRule(GF::COutputStream& out, const FlowRule& rule) {
  GF::WriteBool(out, rule.enabled);
  GF::WriteString(out, rule.screen);
  GF::WriteString(out, rule.previousScreen);
  GF::WriteString(out, rule.event);
  GF::WriteString(out, rule.target);
  GF::WriteBool(out, rule.closeFirst);
  GF::WriteString(out, rule.parameter);
  GF::WriteBool(out, rule.modal);
  GF::WriteString(out, rule.layout);
  GF::WriteBool(out, rule.smooth);
  WriteList(out, rule.conditions, WriteRuleItem);
  WriteList(out, rule.actions, WriteRuleItem);
}
