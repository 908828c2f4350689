#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "game/app/CFlowRuleRunner.h"
#include "tests/game/app/GameAppSession.h"

namespace {

using pm::test::CCommandScreen;
using pm::test::GameAppSession;

GF::THolder<GF::IScreen> MakeScreen(const std::string& name, const std::string& result = "") {
  GF::THolder<CCommandScreen> screen = GF::MakeHolder<CCommandScreen>();
  screen->SetName(name);
  screen->SetResult(result);
  return screen;
}

// The application's part in the flow: the game manager's ScreenCommand runs the rules for the
// screen's result, and a command sent to a screen leaves it with that result at once.
class CTestApplication : public CFlowRuleRunner {
 public:
  using Delegate = GF::TMethodDelegate<CTestApplication, void, GF::THolder<GF::IScreen>>;

  CTestApplication()
      : m_onResult(GF::MakeHolder<Delegate>(this, &CTestApplication::OnScreenResult)) {
    GF::HGENS::GetGameManager()->ScreenCommandEvent().Subscribe(m_onResult);
  }
  ~CTestApplication() override {
    GF::HGENS::GetGameManager()->ScreenCommandEvent().RemoveDelegate(m_onResult);
  }

  std::vector<std::string> sent;  // "screen:command"

 protected:
  void SendScreenCommand(const GF::THolder<GF::IScreen>& screen,
                         const std::string& command) override {
    sent.push_back(screen->GetName() + ":" + command);
    static_cast<CCommandScreen&>(*screen).SetResult(command);
    GF::HGENS::GetGameManager()->FireScreenCommand(screen);
  }

 private:
  void OnScreenResult(GF::THolder<GF::IScreen> screen) { RunFlowRule("", screen); }

  GF::THolder<Delegate> m_onResult;
};

FlowRule Rule(const std::string& screen, const std::string& event,
              const std::string& target = "None", const std::string& previous = "None") {
  FlowRule rule;
  rule.enabled = true;
  rule.screen = screen;
  rule.previousScreen = previous;
  rule.event = event;
  rule.target = target;
  return rule;
}

RuleItem FloatItem(std::int32_t id, std::int32_t op, float number) {
  RuleItem item;
  item.propertyId = id;
  item.op = op;
  item.valueType = 1;
  item.number = number;
  return item;
}

RuleItem StringItem(std::int32_t id, std::int32_t op, const std::string& text) {
  RuleItem item;
  item.propertyId = id;
  item.op = op;
  item.valueType = 0;
  item.text = text;
  return item;
}

RuleItem Or() {
  return FloatItem(0, 7, 0.0f);
}

// A marker action: float property 100 := 1 shows that the rule matched.
constexpr std::int32_t Marker = 100;
FlowRule Marked(FlowRule rule) {
  rule.actions.push_back(FloatItem(Marker, 0, 1.0f));
  return rule;
}

bool MatchedAfter(CTestApplication& app, const std::string& event,
                  const GF::THolder<GF::IScreen>& screen) {
  CurrentProfile().Floats[Marker] = 0.0f;
  app.RunFlowRule(event, screen);
  return CurrentProfile().Floats[Marker] == 1.0f;
}

class FlowRulesTest : public ::testing::Test {
 protected:
  GameAppSession session;
  CTestApplication app;
};

TEST_F(FlowRulesTest, RulesMatchScreenPreviousScreenAndEvent) {
  struct Case {
    const char* what;
    FlowRule rule;
    const char* screen;  // null: no screen
    const char* event;
    bool matches;
  };
  FlowRule disabled = Rule("None", "none");
  disabled.enabled = false;
  const Case cases[] = {
      {"wildcards without a screen", Rule("None", "none"), nullptr, "show_publisher", true},
      {"wildcards with a screen", Rule("None", "none"), "MainMenuScreen", "play", true},
      {"named screen", Rule("MainMenuScreen", "play"), "MainMenuScreen", "play", true},
      {"other screen", Rule("MainMenuScreen", "play"), "OptionsScreen", "play", false},
      {"named screen without a screen", Rule("MainMenuScreen", "none"), nullptr, "x", false},
      {"other event", Rule("None", "play"), nullptr, "quit", false},
      {"capital None is a name", Rule("None", "None"), nullptr, "quit", false},
      {"event named None", Rule("None", "None"), nullptr, "None", true},
      {"lower-case none is a name", Rule("none", "none"), "MainMenuScreen", "x", false},
      {"previous screen", Rule("None", "none", "None", "MapScreen"), nullptr, "x", true},
      {"other previous screen", Rule("None", "none", "None", "MainMenuScreen"), nullptr, "x",
       false},
      {"disabled", disabled, nullptr, "x", false},
      {"empty event: the screen's result", Rule("GameScreen", "exit"), "GameScreen", "", true},
  };
  app.SetLastScreenName("MapScreen");
  for (const Case& c : cases) {
    FlowRules = {Marked(c.rule)};
    GF::THolder<GF::IScreen> screen;
    if (c.screen) screen = MakeScreen(c.screen, "exit");
    EXPECT_EQ(MatchedAfter(app, c.event, screen), c.matches) << c.what;
  }
}

TEST_F(FlowRulesTest, ConditionGroupsAreJoinedByOr) {
  // A: float 1 == 1, B: string 2 == "b", C: float 3 > 5.
  const RuleItem a = FloatItem(1, 0, 1.0f);
  const RuleItem b = StringItem(2, 0, "b");
  const RuleItem c = FloatItem(3, 3, 5.0f);
  struct Case {
    std::vector<RuleItem> conditions;
    float a;
    const char* b;
    float c;
    bool matches;
  };
  const Case cases[] = {
      {{}, 0, "", 0, true},
      {{a, b, Or(), c}, 1, "b", 0, true},
      {{a, b, Or(), c}, 1, "x", 0, false},
      {{a, b, Or(), c}, 0, "x", 6, true},
      {{a, b, Or(), c}, 0, "b", 5, false},
      {{a, Or()}, 0, "", 0, true},  // the empty group after a trailing OR holds
      {{Or(), a}, 0, "", 0, true},  // the empty group before the first OR holds
      {{FloatItem(1, 6, 0.0f)}, 0, "", 0, false},
      {{FloatItem(1, 8, 0.0f)}, 0, "", 0, false},
      {{StringItem(2, 9, "")}, 0, "", 0, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& k = cases[i];
    FlowRule rule = Rule("None", "none");
    rule.conditions = k.conditions;
    FlowRules = {Marked(rule)};
    PlayerProfile& profile = CurrentProfile();
    profile.Floats[1] = k.a;
    profile.Strings[2] = k.b;
    profile.Floats[3] = k.c;
    EXPECT_EQ(MatchedAfter(app, "go", nullptr), k.matches) << "case " << i;
  }
}

TEST_F(FlowRulesTest, ExpressionConditionsRunOnlyWhileTheirGroupHolds) {
  // Expression: property 50 := 1 (yields 1.0, a true condition with a side effect).
  RuleItem setter;
  setter.expression.kind = 20;
  ExprNode one;
  one.valueType = 1;
  one.kind = 1;
  one.number = 1.0f;
  ExprNode target;
  target.propertyId = 50;
  setter.expression.children = {one, target};

  FlowRule rule = Rule("None", "none");
  rule.conditions = {FloatItem(1, 0, 9.0f), setter};
  FlowRules = {Marked(rule)};
  EXPECT_FALSE(MatchedAfter(app, "go", nullptr));
  EXPECT_EQ(CurrentProfile().Floats[50], 0.0f);

  CurrentProfile().Floats[1] = 9.0f;
  EXPECT_TRUE(MatchedAfter(app, "go", nullptr));
  EXPECT_EQ(CurrentProfile().Floats[50], 1.0f);
}

TEST_F(FlowRulesTest, ComparisonsByOp) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (std::int32_t op = 0; op <= 5; ++op) {
    const bool lessResults[] = {false, true, true, false, true, false};
    EXPECT_EQ(CompareFloatByOp(1.0f, 2.0f, op), lessResults[op]) << op;
    EXPECT_EQ(CompareStringByOp("ab", "abc", op), lessResults[op]) << op;      // prefix is smaller
    EXPECT_EQ(CompareStringByOp("z", "\xC3\xA9", op), lessResults[op]) << op;  // bytes unsigned
    EXPECT_EQ(CompareFloatByOp(nan, nan, op), op == 1) << op;
  }
  EXPECT_TRUE(CompareStringByOp("a", "a", 0));
  EXPECT_FALSE(CompareFloatByOp(1.0f, 1.0f, 6));
  EXPECT_FALSE(CompareStringByOp("a", "a", 7));
}

TEST_F(FlowRulesTest, ActionsAssignAndAddProfileValues) {
  RuleItem expression;  // property 60 := "from expression"
  expression.expression.kind = 20;
  ExprNode text;
  text.valueType = 0;
  text.kind = 1;
  text.literal = "from expression";
  ExprNode target;
  target.propertyId = 60;
  expression.expression.children = {text, target};

  FlowRule rule = Rule("None", "none");
  rule.actions = {FloatItem(1, 0, 4.0f),
                  FloatItem(1, 6, 0.5f),
                  FloatItem(2, 6, 3.0f),
                  FloatItem(3, 2, 9.0f),
                  StringItem(ProfileString::RuleScreenCommand, 0, "go"),
                  StringItem(31, 5, "x"),
                  expression};
  FlowRules = {rule};
  app.RunFlowRule("show_publisher", nullptr);
  PlayerProfile& profile = CurrentProfile();
  EXPECT_EQ(profile.Floats[1], 4.5f);
  EXPECT_EQ(profile.Floats[2], 3.0f);  // added to a value that did not exist yet
  EXPECT_EQ(profile.Floats[3], 0.0f);  // an unknown float op does nothing
  EXPECT_EQ(profile.Strings[ProfileString::RuleScreenCommand], "go");  // no screen: only stored
  EXPECT_EQ(profile.Strings[31], "x");  // string actions ignore the op
  EXPECT_EQ(profile.Strings[60], "from expression");
  EXPECT_TRUE(app.sent.empty());
  EXPECT_FALSE(app.PendingRule());
}

TEST_F(FlowRulesTest, LastTargetWinsWhileEveryMatchingRuleActs) {
  FlowRule first = Rule("MapScreen", "play", "GameScreen");
  first.actions = {FloatItem(1, 6, 1.0f)};
  FlowRule second = Rule("None", "none", "DialogScreen");
  second.actions = {FloatItem(1, 6, 10.0f)};
  second.modal = true;
  FlowRule third = Rule("None", "play");
  third.actions = {FloatItem(1, 6, 100.0f)};
  FlowRule other = Rule("None", "quit", "LoseScreen");
  FlowRules = {first, second, third, other};

  // Through the game manager, as a screen's command arrives.
  GF::HGENS::GetGameManager()->FireScreenCommand(MakeScreen("MapScreen", "play"));
  EXPECT_EQ(CurrentProfile().Floats[1], 111.0f);
  ASSERT_TRUE(app.PendingRule());
  EXPECT_EQ(app.PendingRule()->target, "DialogScreen");
  EXPECT_TRUE(app.PendingRule()->modal);
  EXPECT_EQ(app.ArmedScreenName(), "MapScreen");

  // The armed rule is a copy: reloading the table leaves it intact.
  FlowRules.clear();
  const std::optional<FlowRule> taken = app.TakePendingRule();
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->target, "DialogScreen");
  EXPECT_FALSE(app.PendingRule());
  EXPECT_EQ(app.ArmedScreenName(), "");

  // Armed without a screen: the armed name is empty.
  FlowRules = {Rule("None", "def_settings", "OptionsScreen")};
  app.RunFlowRule("def_settings", nullptr);
  ASSERT_TRUE(app.PendingRule());
  EXPECT_EQ(app.ArmedScreenName(), "");
  app.DropPendingRule();
  EXPECT_FALSE(app.PendingRule());
}

TEST_F(FlowRulesTest, ScreenCommandActionSendsTheCommandAndRunsItsRules) {
  FlowRule send = Rule("GameScreen", "exit", "StatisticsScreen");
  send.actions = {StringItem(ProfileString::RuleScreenCommand, 0, "won"), FloatItem(1, 6, 1.0f)};
  FlowRule won = Rule("GameScreen", "won", "ComicsScreen");
  won.actions = {FloatItem(2, 0, 5.0f)};
  FlowRules = {send, won};

  GF::THolder<GF::IScreen> screen = MakeScreen("GameScreen", "exit");
  app.RunFlowRule("", screen);
  EXPECT_EQ(app.sent, std::vector<std::string>{"GameScreen:won"});
  EXPECT_EQ(screen->GetResult(), "won");
  EXPECT_EQ(CurrentProfile().Floats[2], 5.0f);  // the nested scan ran the "won" rule
  EXPECT_EQ(CurrentProfile().Floats[1], 1.0f);  // the "exit" rule went on afterwards
  EXPECT_EQ(CurrentProfile().Strings[ProfileString::RuleScreenCommand], "won");
  // The outer rule armed last; the nested match for "won" does not run again for "exit".
  ASSERT_TRUE(app.PendingRule());
  EXPECT_EQ(app.PendingRule()->target, "StatisticsScreen");
}

TEST_F(FlowRulesTest, RulesTriggeringEachOtherStopAtTheNestingBound) {
  FlowRule ping = Rule("GameScreen", "ping");
  ping.actions = {StringItem(ProfileString::RuleScreenCommand, 0, "pong")};
  FlowRule pong = Rule("GameScreen", "pong");
  pong.actions = {StringItem(ProfileString::RuleScreenCommand, 0, "ping"), FloatItem(1, 6, 1.0f)};
  FlowRules = {ping, pong};

  app.RunFlowRule("ping", MakeScreen("GameScreen"));
  EXPECT_EQ(app.sent.size(), static_cast<std::size_t>(CFlowRuleRunner::MaxNesting));
  EXPECT_TRUE(session.HasLogLine("[E] FLOW RULES NESTED TOO DEEP AT \"ping\""));

  // The bound is per chain: the next event runs normally.
  FlowRules = {Marked(Rule("None", "none"))};
  EXPECT_TRUE(MatchedAfter(app, "go", nullptr));
}

}  // namespace
