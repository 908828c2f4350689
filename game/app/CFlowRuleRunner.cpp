#include "game/app/CFlowRuleRunner.h"

#include <utility>

#include "game/app/ExprEvaluator.h"
#include "game/app/GameData.h"
#include "game/app/PlayerProfiles.h"
#include "platform/Engine.h"

namespace {

constexpr const char* AnyScreen = "None";
constexpr const char* AnyEvent = "none";
constexpr const char* NoTarget = "None";

constexpr std::int32_t FloatProperty = 1;
constexpr std::int32_t OrSeparator = 7;
constexpr std::int32_t SetOp = 0;
constexpr std::int32_t AddOp = 6;

bool IsComparison(std::int32_t op) {
  return op >= 0 && op <= 5;
}

bool HasExpression(const RuleItem& item) {
  return !item.expression.children.empty();
}

template <typename T>
bool CompareByOp(const T& value, const T& constant, std::int32_t op) {
  switch (op) {
    case 0:
      return value == constant;
    case 1:
      return value != constant;
    case 2:
      return value < constant;
    case 3:
      return value > constant;
    case 4:
      return value <= constant;
    case 5:
      return value >= constant;
    default:
      return false;
  }
}

void LogTooDeep(const std::string& eventName) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->Log("[E] FLOW RULES NESTED TOO DEEP AT \"%s\"", eventName.c_str());
  engine->Release();
}

}  // namespace

bool CompareFloatByOp(float value, float constant, std::int32_t op) {
  return CompareByOp(value, constant, op);
}

// std::string compares through char_traits<char>, which orders bytes as unsigned values.
bool CompareStringByOp(const std::string& value, const std::string& constant, std::int32_t op) {
  return CompareByOp(value, constant, op);
}

void CFlowRuleRunner::RunFlowRule(const std::string& event,
                                  const GF::THolder<GF::IScreen>& screen) {
  // Copies: a command sent from an action changes the screen's result under the scan.
  const std::string screenName = screen ? screen->GetName() : std::string();
  const std::string eventName = event.empty() && screen ? screen->GetResult() : event;
  if (m_nesting >= MaxNesting) {
    LogTooDeep(eventName);
    return;
  }
  ++m_nesting;
  struct Unnest {
    int& nesting;
    ~Unnest() { --nesting; }
  } unnest{m_nesting};

  // By index, and each match copied: actions may re-enter the rules.
  for (std::size_t i = 0; i < FlowRules.size(); ++i) {
    if (!Matches(FlowRules[i], screenName, eventName)) continue;
    const FlowRule matched = FlowRules[i];
    RunRuleActions(screen, matched);
  }
}

bool CFlowRuleRunner::Matches(const FlowRule& rule, const std::string& screenName,
                              const std::string& eventName) const {
  return rule.enabled && (rule.screen == AnyScreen || rule.screen == screenName) &&
         (rule.previousScreen == AnyScreen || rule.previousScreen == m_lastScreenName) &&
         (rule.event == AnyEvent || rule.event == eventName) && ConditionsHold(rule);
}

// Conditions form groups joined by OR (op 7); within a group every condition must hold.
bool CFlowRuleRunner::ConditionsHold(const FlowRule& rule) {
  bool any = false;
  bool group = true;
  for (const RuleItem& condition : rule.conditions) {
    PlayerProfile& profile = CurrentProfile();
    if (condition.op == OrSeparator) {
      any = any || group;
      group = true;
    } else if (HasExpression(condition)) {
      group = group && EvaluateCondition(condition.expression, profile);
    } else if (condition.valueType == FloatProperty) {
      const float value = profile.Floats[condition.propertyId];
      group = group && IsComparison(condition.op) &&
              CompareFloatByOp(value, condition.number, condition.op);
    } else {
      const std::string& value = profile.Strings[condition.propertyId];
      group = group && IsComparison(condition.op) &&
              CompareStringByOp(value, condition.text, condition.op);
    }
  }
  return any || group;
}

void CFlowRuleRunner::RunRuleActions(const GF::THolder<GF::IScreen>& screen, const FlowRule& rule) {
  for (const RuleItem& action : rule.actions) ApplyAction(screen, action);
  if (rule.target == NoTarget) return;
  m_armedScreenName = screen ? screen->GetName() : std::string();
  m_pendingRule = rule;
}

void CFlowRuleRunner::ApplyAction(const GF::THolder<GF::IScreen>& screen, const RuleItem& action) {
  if (HasExpression(action)) {
    EvaluateExpression(action.expression, CurrentProfile());
    return;
  }
  if (action.valueType == FloatProperty) {
    float& value = CurrentProfile().Floats[action.propertyId];
    if (action.op == SetOp) {
      value = action.number;
    } else if (action.op == AddOp) {
      value += action.number;
    }
    return;
  }
  if (action.propertyId == ProfileString::RuleScreenCommand && screen)
    SendScreenCommand(screen, action.text);
  // Looked up after the command: its rules may have changed the profile.
  CurrentProfile().Strings[action.propertyId] = action.text;
}

std::optional<FlowRule> CFlowRuleRunner::TakePendingRule() {
  m_armedScreenName.clear();
  return std::exchange(m_pendingRule, std::nullopt);
}

void CFlowRuleRunner::DropPendingRule() {
  m_pendingRule.reset();
  m_armedScreenName.clear();
}
