#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/core/THolder.h"
#include "framework/engine/app/IScreen.h"
#include "game/app/FlowRule.h"

// A stored property value against a rule's constant: op 0 equal, 1 not equal, 2 less, 3
// greater, 4 less or equal, 5 greater or equal; any other op is false. Floats compare as
// floats (NaN is unequal to everything), strings bytewise.
bool CompareFloatByOp(float value, float constant, std::int32_t op);
bool CompareStringByOp(const std::string& value, const std::string& constant, std::int32_t op);

// Routes screen commands and the application's own events through the flow rules of
// "gamedata.bin": every matching rule assigns profile values, and the last matching one with a
// target arms it on the issuing screen, to be shown when that screen has closed. The game's
// application keeps one and answers SendScreenCommand.
class CFlowRuleRunner {
 public:
  // Rules that send their screen a command run the rules again from inside the scan; chains
  // (or cycles) deeper than this stop with a log line.
  static constexpr int MaxNesting = 16;

  virtual ~CFlowRuleRunner() = default;

  // Matches every rule, in table order, against the event (empty: the screen's result), the
  // screen's name ("" without one), the last screen name and the rule's conditions on the
  // current profile, and runs the actions of each match.
  void RunFlowRule(const std::string& event, const GF::THolder<GF::IScreen>& screen);
  // The actions of one matched rule, then its target armed on the screen.
  void RunRuleActions(const GF::THolder<GF::IScreen>& screen, const FlowRule& rule);

  // The armed rule is a copy: a reload of the rules table never leaves it dangling.
  const std::optional<FlowRule>& PendingRule() const { return m_pendingRule; }
  // The name of the screen the pending rule was armed on ("" when armed with no screen).
  const std::string& ArmedScreenName() const { return m_armedScreenName; }
  // Hands the pending rule over and disarms.
  std::optional<FlowRule> TakePendingRule();
  void DropPendingRule();

  // The last screen a pending rule replaced or covered; rules' previousScreen compares to it.
  const std::string& LastScreenName() const { return m_lastScreenName; }
  void SetLastScreenName(const std::string& name) { m_lastScreenName = name; }

 protected:
  // Makes the screen leave with the command at once (a menu screen's GoTo with flags 0x32); the
  // game manager's ScreenCommand event then runs the rules for it.
  virtual void SendScreenCommand(const GF::THolder<GF::IScreen>& screen,
                                 const std::string& command) = 0;

 private:
  bool Matches(const FlowRule& rule, const std::string& screenName,
               const std::string& eventName) const;
  static bool ConditionsHold(const FlowRule& rule);
  void ApplyAction(const GF::THolder<GF::IScreen>& screen, const RuleItem& action);

  std::string m_lastScreenName;
  std::string m_armedScreenName;
  std::optional<FlowRule> m_pendingRule;
  int m_nesting = 0;
};
