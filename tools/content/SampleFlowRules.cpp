#include "tools/content/SampleFlowRules.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/app/ProfileFloat.h"
#include "game/app/ProfileString.h"
#include "tools/content/SampleMapScreens.h"
#include "tools/content/SampleMenusScreens.h"
#include "tools/content/SampleTrophyRoom.h"

namespace {

using Rules = std::vector<FlowRule>;
using Items = std::vector<RuleItem>;

constexpr const char* kAnyScreen = "None";
constexpr const char* kNoTarget = "None";
constexpr const char* kTitle = "SplashScreen";
constexpr const char* kMap = "ProgressMapScreen";
constexpr const char* kLevel = "GameScreen";
constexpr const char* kIngredients = "new_ingridient_screen";
constexpr const char* kResult = "StatisticsScreen";
constexpr const char* kDuelResult = "DuelStatisticsScreen";
constexpr const char* kStageEnd = "StageStatisticsScreen";
constexpr const char* kRecipes = "new_recept_screen";
constexpr const char* kOutfit = "new_dress_screen";
constexpr const char* kBook = "CookingBookScreen";
constexpr const char* kRoom = "GingerRoomScreen";
constexpr const char* kManual = "HelpScreen";
constexpr const char* kExtras = "MainMenuScreen";
constexpr const char* kPlayers = "ChangePlayerScreen";
constexpr const char* kNewPlayer = "new_player_screen";
constexpr const char* kDialog = "DialogScreen";
constexpr const char* kComic = "ComicsScreen";
constexpr const char* kDroppedOut = "LoserScreen";
constexpr const char* kInGameMenu = "InGameMenuScreen";
constexpr const char* kExitQuestion = "confirm_exit_screen";

constexpr const char* kTitleLayout = "main_menu.title";
constexpr const char* kLevelLayout = "main_menu.game_screen";
constexpr const char* kConfirmLayout = "main_menu.confirm_screen";
constexpr const char* kOptionsLayout = "main_menu.options";
constexpr const char* kIngredientsLayout = "main_menu.ingredients_screen_1";
constexpr const char* kRecipesLayout = "main_menu.new_recept";
constexpr const char* kOutfitLayout = "main_menu.new_dress";
constexpr const char* kStageEndLayout = "main_menu.stage_statistics_screen";
constexpr const char* kBookLayout = "cookingbook.cookbook_screen";
constexpr const char* kDialogLayout = "dialog.dialog_screen";
constexpr const char* kOpeningComicLayout = "comics.comics_1";
constexpr const char* kClosingComicLayout = "comics.comics_3";

// Operators of a rule's items, and the expression that copies one property into another.
constexpr std::int32_t kEqual = 0, kAbove = 3, kAtMost = 4, kAtLeast = 5, kAdd = 6, kOr = 7;
constexpr std::int32_t kPropertyKind = 2, kSetKind = 20, kNumberType = 1, kTextType = 0;

// The sample stages have two levels: winning a third ends the stage.
constexpr float kLevelsPerStage = 2.0f;

// The rule's target replaces every screen.
FlowRule To(const char* screen, const char* event, const char* target, const char* layout,
            Items actions = {}) {
  FlowRule rule = MakeFlowRule(screen, event, target, layout);
  rule.actions = std::move(actions);
  return rule;
}

// The target opens over the screen, which comes back when it closes.
FlowRule Over(const char* screen, const char* event, const char* target, const char* layout,
              Items actions = {}, const char* parameter = "") {
  FlowRule rule = To(screen, event, target, layout, std::move(actions));
  rule.modal = true;
  rule.parameter = parameter;
  return rule;
}

// An overlay that issued the command goes before the target opens.
FlowRule ClosingFirst(FlowRule rule) {
  rule.closeFirst = true;
  return rule;
}

FlowRule Do(const char* screen, const char* event, Items actions) {
  return To(screen, event, kNoTarget, "", std::move(actions));
}

FlowRule When(FlowRule rule, Items conditions) {
  rule.conditions = std::move(conditions);
  return rule;
}

RuleItem Is(std::int32_t id, std::int32_t op, float value) {
  return FloatCondition(id, op, value);
}

// A string condition "property == text" has the fields of the assignment.
RuleItem TextIs(std::int32_t id, const std::string& text) {
  return StringAssignment(id, text);
}

RuleItem Or() {
  RuleItem item;
  item.op = kOr;
  return item;
}

RuleItem Add(std::int32_t id, float by) {
  RuleItem item = FloatAssignment(id, by);
  item.op = kAdd;
  return item;
}

// "property `to` := property `from`", both floats or both strings.
RuleItem Copy(std::int32_t from, std::int32_t to, std::int32_t type) {
  ExprNode source;
  source.valueType = type;
  source.kind = kPropertyKind;
  source.propertyId = from;
  ExprNode target = source;
  target.propertyId = to;
  RuleItem item;
  item.expression.valueType = type;
  item.expression.kind = kSetKind;
  item.expression.children = {source, target};
  return item;
}

RuleItem CurtainCloses() {
  return StringAssignment(ProfileString::ShadesHideRequest, "curtain_close");
}

RuleItem CurtainOpens() {
  return StringAssignment(ProfileString::ShadesShowRequest, "curtain_open");
}

Items Curtain() {
  return {CurtainCloses(), CurtainOpens()};
}

// The level to play next, chosen on the map or kept for a replay, is forgotten once a level
// is over; else every later "play" would replay it.
RuleItem ForgetLevel() {
  return StringAssignment(ProfileString::LevelKeyOverride, "");
}

// A won level moved on to a new stage, which the map did not choose as a replay.
Items NewStage() {
  return {Is(ProfileFloat::LevelInStage, kEqual, 1.0f), Is(ProfileFloat::Value35, kEqual, 0.0f)};
}

void Append(Rules& rules, std::initializer_list<FlowRule> more) {
  rules.insert(rules.end(), more);
}

FlowRule ManualFrom(const char* screen) {
  return Over(screen, "help", kManual, kHelpLayout,
              {FloatAssignment(ProfileFloat::HelpState, 1.0f)});
}

FlowRule RoomFrom(const char* screen) {
  return To(screen, "gingerroom", kRoom, kRoomLayout, Curtain());
}

FlowRule ExitQuestion(const char* screen, const char* event) {
  return Over(screen, event, kExitQuestion, kConfirmLayout, {}, "confirm_exit");
}

// The first player's settings; the logo, then the title, faded over, the curtain opening on
// it; a test level at once.
void AddStartRules(Rules& rules) {
  const FlowRule settings = Do(kAnyScreen, "def_settings",
                               {FloatAssignment(ProfileFloat::MusicVolume, 60.0f),
                                FloatAssignment(ProfileFloat::SoundVolume, 100.0f),
                                FloatAssignment(ProfileFloat::FullScreen, 0.0f),
                                FloatAssignment(ProfileFloat::CustomCursor, 1.0f)});
  FlowRule publisher = To(kAnyScreen, "show_publisher", "PublisherScreen", "main_menu.publisher");
  publisher.parameter = "1000,1000";  // each of the two logos held a second
  FlowRule title = To("PublisherScreen", "starting", kTitle, kTitleLayout, {CurtainOpens()});
  title.smooth = true;
  Append(rules,
         {settings, publisher, To(kAnyScreen, "test_starting", kLevel, kLevelLayout), title});
}

void AddTitleRules(Rules& rules) {
  Append(rules, {
                    Over(kTitle, "new_player", kNewPlayer, "main_menu.new_player_screen"),
                    Over(kTitle, "select_player", kPlayers, "main_menu.change_player"),
                    Over(kTitle, "options", "OptionsScreen", kOptionsLayout),
                    Over(kTitle, "score", "HighScoreScreen", kHighScoreLayout),
                    ManualFrom(kTitle),
                    To(kTitle, "comics", kComic, kOpeningComicLayout, Curtain()),
                    To(kTitle, "play", kMap, kMapScreenLayout, Curtain()),
                    ExitQuestion(kTitle, "back"),
                    // Closing the window, over whichever screen is on top.
                    ClosingFirst(ExitQuestion(kAnyScreen, "quit")),
                });
}

// A removal is asked first; string 30 marks the question as the removal's until it is
// answered, and the answer reaches the player list through string 28.
void AddPlayerRules(Rules& rules) {
  const RuleItem removing = StringAssignment(ProfileString::Value30, "remove");
  Append(
      rules,
      {
          ClosingFirst(
              Over(kNewPlayer, "error", "message_screen", kConfirmLayout, {}, "name_taken")),
          Over(kPlayers, "new_player", kNewPlayer, "main_menu.new_player_screen"),
          Over(kPlayers, "remove", "confirm_screen", kConfirmLayout, {removing}, "confirm_remove"),
          When(Do("confirm_screen", "yes", {StringAssignment(ProfileString::Value28, "yes")}),
               {removing}),
          When(Do("confirm_screen", "none", {StringAssignment(ProfileString::Value30, "")}),
               {removing}),
      });
}

// The comics lead to the map; a dialogue before a level to its new ingredients, the next
// dialogue, the won final's to the closing comic, any other end to the map.
void AddStoryRules(Rules& rules) {
  Append(rules, {
                    To(kComic, "ok", kMap, kMapScreenLayout, Curtain()),
                    To(kDialog, "exit", kIngredients, kIngredientsLayout, Curtain()),
                    To(kDialog, "next", kDialog, kDialogLayout),
                    To(kDialog, "comics", kComic, kClosingComicLayout),
                });
  for (const char* end : {"remove", "yes", "no"})
    rules.push_back(To(kDialog, end, kMap, kMapScreenLayout));
}

void AddMapRules(Rules& rules) {
  Append(rules, {
                    To(kMap, "play", kIngredients, kIngredientsLayout, Curtain()),
                    To(kIngredients, "play", kLevel, kLevelLayout, {CurtainCloses()}),
                    To(kMap, "dialog", kDialog, kDialogLayout, Curtain()),
                    Over(kMap, "main_menu", kExtras, kExtrasLayout),
                    RoomFrom(kMap),
                });
}

// A level's end: won, failed, a bonus level's result (101 to 200) or a duel's (201 won, 202
// lost). A duel counts as won too: its rules come last, and the last target wins. A won level
// marks its ribbon as the map's new one (string 33).
void AddLevelRules(Rules& rules) {
  using ProfileFloat::CurrentPlace;
  const RuleItem newRibbon =
      Copy(ProfileString::CurrentLevelKey, ProfileString::Value33, kTextType);
  Append(rules,
         {
             Over(kLevel, "menu", kInGameMenu, kOptionsLayout),
             ManualFrom(kLevel),
             When(To(kLevel, "exit", kResult, "main_menu.statistics_screen",
                     {newRibbon, CurtainCloses(), CurtainOpens()}),
                  {Is(ProfileFloat::LastLevelOutcome, kEqual, 1.0f)}),
             When(To(kLevel, "exit", "LoseScreen", "main_menu.lose_screen"),
                  {Is(ProfileFloat::LastLevelOutcome, kEqual, -1.0f)}),
             When(To(kLevel, "exit", "BonusStatisticsScreen", "main_menu.bonus_statistics_screen"),
                  {Is(CurrentPlace, kAtLeast, 101.0f), Is(CurrentPlace, kAtMost, 200.0f)}),
             When(To(kLevel, "exit", kDuelResult, "main_menu.duel_statistics"),
                  {Is(CurrentPlace, kEqual, 201.0f)}),
             When(To(kLevel, "exit", "DuelLoseScreen", "main_menu.duel_lose"),
                  {Is(CurrentPlace, kEqual, 202.0f)}),
             To(kInGameMenu, "main_menu", kTitle, kTitleLayout, {ForgetLevel()}),
             To(kInGameMenu, "map", kMap, kMapScreenLayout, {ForgetLevel()}),
             To(kInGameMenu, "replay", kLevel, kLevelLayout),
         });
}

// On from a won level's unlock screens: the map, the stage's end on a new stage, and (from the
// recipes) the outfit when the level granted one or a new stage began; the last target wins.
// `mark` is what every one of them needs besides.
void AddOnward(Rules& rules, const char* screen, const char* event, const Items& mark,
               bool toOutfit) {
  const auto marked = [&mark](Items items) {
    items.insert(items.begin(), mark.begin(), mark.end());
    return items;
  };
  Append(rules, {
                    When(To(screen, event, kMap, kMapScreenLayout, {CurtainOpens()}), mark),
                    When(To(screen, event, kStageEnd, kStageEndLayout), marked(NewStage())),
                });
  if (!toOutfit) return;
  Items outfit = marked({Is(ProfileFloat::Value17, kEqual, 1.0f), Or()});
  const Items stage = marked(NewStage());
  outfit.insert(outfit.end(), stage.begin(), stage.end());
  rules.push_back(When(To(screen, event, kOutfit, kOutfitLayout), outfit));
}

// "next" after a won level, in this order, each rule seeing what those before it did: the
// level counts unless the map chose it as a replay; the map; a stage's last level moves on to
// the next stage (the map opens it) through the stage's end; the level to play is forgotten;
// the outfit; the new recipes. Shown first: the recipes, then the outfit, the stage's end, the
// map.
void AddWonLevelRules(Rules& rules, const char* screen) {
  using ProfileFloat::LevelInStage;
  using ProfileFloat::StageNumber;
  Append(rules, {
                    When(Do(screen, "next", {Add(LevelInStage, 1.0f)}),
                         {Is(ProfileFloat::Value35, kEqual, 0.0f)}),
                    To(screen, "next", kMap, kMapScreenLayout, {CurtainOpens()}),
                    When(To(screen, "next", kStageEnd, kStageEndLayout,
                            {Add(StageNumber, 1.0f), FloatAssignment(LevelInStage, 1.0f),
                             Copy(StageNumber, ProfileFloat::Value36, kNumberType)}),
                         {Is(LevelInStage, kAbove, kLevelsPerStage)}),
                    Do(screen, "next", {ForgetLevel()}),
                });
  Items outfit = {Is(ProfileFloat::Value17, kEqual, 1.0f), Or()};
  for (const RuleItem& item : NewStage()) outfit.push_back(item);
  Append(rules, {
                    When(To(screen, "next", kOutfit, kOutfitLayout), outfit),
                    When(To(screen, "next", kRecipes, kRecipesLayout),
                         {Is(ProfileFloat::NewRecipeCount, kAbove, 0.0f)}),
                });
}

FlowRule ToMapAfterLevel(const char* screen, const char* event) {
  return To(screen, event, kMap, kMapScreenLayout, {ForgetLevel()});
}

void AddResultRules(Rules& rules) {
  AddWonLevelRules(rules, kResult);
  AddWonLevelRules(rules, kDuelResult);
  // A won level played again: the map's "next" must not count it twice.
  rules.push_back(
      To(kResult, "replay", kLevel, kLevelLayout, {FloatAssignment(ProfileFloat::Value35, 1.0f)}));
  for (const char* screen : {"LoseScreen", "DuelLoseScreen"})
    Append(rules, {To(screen, "replay", kLevel, kLevelLayout), ToMapAfterLevel(screen, "map"),
                   ToMapAfterLevel(screen, "next")});
  Append(rules, {To("BonusStatisticsScreen", "replay", kLevel, kLevelLayout),
                 ToMapAfterLevel("BonusStatisticsScreen", "next")});
}

// The standings at a stage's end, then the competitor who dropped out (by float 18), whose
// screen goes on with the stage's dialogue, a comic or the map.
void AddStageEndRules(Rules& rules) {
  FlowRule out = To(kStageEnd, "next", kDroppedOut, "main_menu.loser_screen");
  out.parameter = "pierre";
  Append(rules, {
                    out,
                    To(kDroppedOut, "dialog", kDialog, kDialogLayout),
                    To(kDroppedOut, "comics", kComic, kOpeningComicLayout),
                    To(kDroppedOut, "ok", kMap, kMapScreenLayout),
                });
}

// The unlock screens go on, or open the cook book at their entry (string 30 says which).
void AddUnlockRules(Rules& rules) {
  AddOnward(rules, kRecipes, "ok", {}, true);
  AddOnward(rules, kOutfit, "ok", {}, false);
  Append(rules, {
                    To(kRecipes, "cookbook", kBook, kBookLayout,
                       {StringAssignment(ProfileString::Value30, "new_recept")}),
                    To(kOutfit, "cookbook", kBook, kBookLayout,
                       {StringAssignment(ProfileString::Value30, "new_print")}),
                });
}

// The book goes back to the trophy room, or on as its opener's "ok" would; then its mark is
// cleared.
void AddTrophyRoomRules(Rules& rules) {
  using ProfileString::Value30;
  Append(rules, {
                    To(kRoom, "exit", kMap, kMapScreenLayout, Curtain()),
                    To(kRoom, "cookbook", kBook, kBookLayout, {StringAssignment(Value30, "")}),
                    To(kBook, "exit", kMap, kMapScreenLayout),
                    When(To(kBook, "exit", kRoom, kRoomLayout), {TextIs(Value30, "")}),
                });
  AddOnward(rules, kBook, "exit", {TextIs(Value30, "new_recept")}, true);
  AddOnward(rules, kBook, "exit", {TextIs(Value30, "new_print")}, false);
  rules.push_back(Do(kBook, "exit", {StringAssignment(Value30, "")}));
}

// The manual turns its pages by opening again in place of itself; "exit" closes it as "back".
// The extras menu opens over the map.
void AddMenuRules(Rules& rules) {
  Append(rules,
         {
             ClosingFirst(
                 Over(kManual, "next", kManual, kHelpLayout, {Add(ProfileFloat::HelpState, 1.0f)})),
             ClosingFirst(Over(kManual, "prev", kManual, kHelpLayout,
                               {Add(ProfileFloat::HelpState, -1.0f)})),
             Do(kManual, "exit", {StringAssignment(ProfileString::RuleScreenCommand, "back")}),
             Over(kExtras, "options", "OptionsScreen", kOptionsLayout),
             Over(kExtras, "credits", "CreditsScreen", kCreditsLayout),
             ManualFrom(kExtras),
             RoomFrom(kExtras),
         });
}

}  // namespace

void AddFlowRules(GameData& data) {
  Rules& rules = data.FlowRules;
  AddStartRules(rules);
  AddTitleRules(rules);
  AddPlayerRules(rules);
  AddStoryRules(rules);
  AddMapRules(rules);
  AddLevelRules(rules);
  AddResultRules(rules);
  AddStageEndRules(rules);
  AddUnlockRules(rules);
  AddTrophyRoomRules(rules);
  AddMenuRules(rules);
}
