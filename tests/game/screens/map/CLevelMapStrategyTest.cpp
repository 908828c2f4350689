// The ribbons of one stage on the sample content, stepped as the stage carousel steps the
// chosen stage's strategy, in the scene of a top screen, with a recording sound player.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "framework/engine/screens/CScreenAbstract.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/PlayerProfiles.h"
#include "game/screens/map/CLevelMapStrategy.h"
#include "tests/game/app/GameAppSession.h"
#include "tests/game/screens/map/MapShots.h"
#include "tests/support/SampleContentFixture.h"

namespace {

using AnimationPtr = GF::IAnimation::AnimationPtr;
using pm::test::PlayerCalls;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kStep = 2.0f * kPi / 14.0f;
constexpr int kLeftButton = 18;
// Start times of the sample ribbon's parts.
constexpr float kShow = 0.0f, kEnter = 300.0f, kLeave = 450.0f, kHide = 600.0f;

bool Played(const std::string& call) {
  for (const std::string& line : PlayerCalls())
    if (line.rfind("sound:Play " + call + " ", 0) == 0) return true;
  return false;
}

class CLevelMapStrategyTest : public pm::test::SampleContentFixture {
 protected:
  void BeforeLoad() override {
    GF::HGENS::GetServiceProviders().createGameSound = +[] {
      return GF::THolder<GF::HGENS::IGameSound>(GF::MakeHolder<pm::test::CRecordingSound>());
    };
  }
  void SetUp() override {
    SampleContentFixture::SetUp();
    GameDatabase = GameData{};
    SoundNameTable[3] = {"mouse_over", 3};
    SoundNameTable[19] = {"new_ribbon", 19};
    LevelsDatabase = LevelsData{};
    StageTable["stage1"] = {0, 3, 1, "stage1"};
    StageTable["stage2"] = {0, 4, 2, "stage2"};
    for (int n = 1; n <= 3; ++n) AddLevelDescription("stage1", n);
    AddLevelDescription("stage2", 1);
    GameProgress = ProgressBlock{};
    CurrentProfile().StageKey = "stage1";
    PlayerCalls().clear();
    manager = GF::HGENS::GetGameManager();
    manager->RegisterScreen(
        "map", [] { return GF::THolder<GF::IScreen>(new GF::HGENS::CScreenAbstract()); });
    manager->CreateScreen("map", "", {}, nullptr);
    scene = manager->TopScreen()->GetScene();
  }
  void TearDown() override {
    strategy.Reset();
    scene.Reset();
    manager.Reset();
    GF::HGENS::ReleaseEngineServices();
    GF::HGENS::GetServiceProviders() = GF::HGENS::ServiceProviders{};
    GF::HGENS::CResourceCache::ReleaseInstance();
    GameDatabase = GameData{};
    LevelsDatabase = LevelsData{};
    GameProgress = ProgressBlock{};
    SampleContentFixture::TearDown();
  }

  static void AddLevelDescription(const std::string& stage, int number) {
    LevelDescription& level = LevelTable[stage + "_" + std::to_string(number)];
    level.StageKey = stage;
    level.Value1 = number;  // the level number shown
  }

  // The sample ribbon of a place, standing at (x, y) in the top screen's scene.
  AnimationPtr MakeRibbon(int place, float x = 400.0f, float y = 200.0f) {
    AnimationPtr ribbon = scene->CreateAnimation("ProgressMap.ribbon_" + std::to_string(place));
    EXPECT_TRUE(ribbon);
    ribbon->Play("all", 0, false);
    ribbon->SetPosition(x, y);
    return ribbon;
  }
  // Levels 1..count of stage 1 with ribbons laid out as the map lays them out.
  void AddStageRibbons(int count, int newLevel = 0) {
    for (int n = 1; n <= count; ++n)
      strategy->AddLevel(MakeRibbon(n % 3 + 1), "stage1_" + std::to_string(n), n == newLevel);
    strategy->Layout(105.0f, 105.0f, kStep, 0.0f, 0.0f);
  }

  // One frame as the carousel steps the chosen stage: started once, flights, actions, the
  // state handler; then the scene.
  void Step(float dt = 20.0f) {
    if (!strategy->IsStarted()) strategy->Start();
    UpdateFlyObjects(*strategy, dt);
    strategy->Update(dt);
    strategy->RunStateHandler(dt);
    scene->Update(dt);
  }
  void Run(float ms) {
    for (float t = 0.0f; t < ms; t += 20.0f) Step();
  }
  void MoveTo(const std::string& key) {
    const GF::TRect<int>& rect = strategy->GetRibbons().at(key).rect;
    MoveTo((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }
  static void MoveTo(int x, int y) {
    const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
    mouse->x = x;
    mouse->y = y;
  }
  float PartOf(const std::string& key) const {
    return strategy->GetRibbons().at(key).ribbon->GetStartTime();
  }
  AnimationPtr Tooltip() const {
    for (const AnimationPtr& node : static_cast<GF::HGENS::CScene&>(*scene).GetAnimations())
      if (node->GetName() && std::string(node->GetName()) == "hint_level") return node;
    return {};
  }
  std::vector<std::uint32_t> DrawScene() {
    return session.Draw(
        800, 600, [&] { scene->Render(); }, 0xFF406080);
  }

  GF::THolder<GF::HGENS::CGameManager> manager;
  GF::THolder<GF::IScene> scene;
  GF::THolder<CLevelMapStrategy> strategy = CLevelMapStrategy::Create();
};

TEST_F(CLevelMapStrategyTest, TooltipEnterAndSoundComeAQuarterSecondAfterEntering) {
  AddStageRibbons(3);
  Step();
  MoveTo("stage1_3");  // leaves before the delay: neither "_enter" nor "_leave"
  Run(100.0f);
  MoveTo(0, 0);
  Run(300.0f);
  EXPECT_EQ(PartOf("stage1_3"), kShow);
  EXPECT_FALSE(Played("mouse_over"));
  EXPECT_FALSE(Tooltip());

  MoveTo("stage1_2");
  Run(240.0f);
  EXPECT_EQ(PartOf("stage1_2"), kShow);
  EXPECT_FALSE(Played("mouse_over"));
  Step();  // 260 ms of frames
  EXPECT_EQ(PartOf("stage1_2"), kEnter);
  EXPECT_TRUE(Played("mouse_over"));
  const AnimationPtr tooltip = Tooltip();
  ASSERT_TRUE(tooltip);
  EXPECT_EQ(*tooltip->GetText("_text"), L"Replay level 2");
  EXPECT_EQ(tooltip->GetPosition(), GF::TPoint<float>(400.0f, 300.0f));
  EXPECT_EQ(tooltip->GetStartTime(), 0.0f);  // "_show"
  Run(300.0f);
  pm::test::KeepShot("level_ribbons_tooltip.png", 800, 600, DrawScene());

  MoveTo(0, 0);
  Step();
  EXPECT_EQ(PartOf("stage1_2"), kLeave);
  EXPECT_EQ(tooltip->GetStartTime(), 200.0f);  // "_hide"
}

TEST_F(CLevelMapStrategyTest, AClickCountsOnlyAfterTheDelayAndAsksForTheReplayLater) {
  AddStageRibbons(3);
  const GF::THolder<GF::CKeyset> keys = GF::HGENS::GetKeyset();
  MoveTo("stage1_1");
  keys->SetDown(kLeftButton, true);  // in the frame of entering: dropped
  Step();
  EXPECT_FALSE(keys->IsDown(kLeftButton));
  keys->SetDown(kLeftButton, true);  // during the delay: not taken
  Step();
  keys->SetDown(kLeftButton, false);
  Run(240.0f);
  EXPECT_TRUE(CurrentProfile().Strings[ProfileString::LevelKeyOverride].empty());

  keys->SetDown(kLeftButton, true);
  Step();
  EXPECT_EQ(CurrentProfile().Strings[ProfileString::LevelKeyOverride], "stage1_1");
  EXPECT_EQ(CurrentProfile().Floats[ProfileFloat::Value35], 1.0f);
  EXPECT_EQ(PartOf("stage1_1"), kLeave);
  Run(180.0f);
  EXPECT_FALSE(strategy->IsReplayRequested());
  Run(60.0f);
  EXPECT_TRUE(strategy->IsReplayRequested());
}

TEST_F(CLevelMapStrategyTest, OfTwoOverlappingRibbonsTheFirstKeyWins) {
  strategy->AddLevel(MakeRibbon(2), "stage1_2", false);
  strategy->AddLevel(MakeRibbon(1), "stage1_1", false);
  strategy->Layout(105.0f, 105.0f, 0.0f, 400.0f, 200.0f);  // one place for both
  MoveTo("stage1_2");
  Run(300.0f);
  EXPECT_EQ(PartOf("stage1_1"), kEnter);
  EXPECT_EQ(PartOf("stage1_2"), kShow);
  EXPECT_EQ(*Tooltip()->GetText("_text"), L"Replay level 1");
}

TEST_F(CLevelMapStrategyTest, RibbonsFanOutFromTheLeftAroundTheReferencePoint) {
  struct Case {
    float refX, refY;  // (0, 0): the first ribbon's centre, here (400, 200)
    float ry, rx;
  } cases[] = {{0.0f, 0.0f, 105.0f, 105.0f}, {300.0f, 250.0f, 50.0f, 105.0f}};
  for (const Case& c : cases) {
    strategy = CLevelMapStrategy::Create();
    for (int n = 3; n >= 1; --n)
      strategy->AddLevel(MakeRibbon(n), "stage1_" + std::to_string(n), false);
    strategy->Layout(c.ry, c.rx, kStep, c.refX, c.refY);
    const float x0 = c.refX == 0.0f ? 400.0f : c.refX, y0 = c.refX == 0.0f ? 200.0f : c.refY;
    const float angles[] = {kPi / 2 + kStep, kPi / 2, kPi / 2 - kStep};
    float lastX = -1.0f;
    int n = 0;
    for (const auto& [key, ribbon] : strategy->GetRibbons()) {
      EXPECT_FLOAT_EQ(ribbon.angle, angles[n++]) << key;
      const GF::TPoint<float> at = ribbon.ribbon->GetPosition();
      EXPECT_NEAR(at.x, x0 + std::cos(ribbon.angle) * c.rx, 1e-3f) << key;
      EXPECT_NEAR(at.y, y0 + std::sin(ribbon.angle) * c.ry, 1e-3f) << key;
      EXPECT_GT(at.x, lastX) << key;
      lastX = at.x;
      // The hit rectangle is the 48 x 48 "_button_rect" around the ribbon's place.
      EXPECT_NEAR((ribbon.rect.left + ribbon.rect.right) / 2.0f, at.x, 1.0f) << key;
      EXPECT_EQ(ribbon.rect.right - ribbon.rect.left, 48) << key;
    }
  }
}

TEST_F(CLevelMapStrategyTest, TheStagesLastRibbonShowsWithSoundAndSparklesThenTheRibbonsRest) {
  struct Case {
    const char* name;
    int ribbons;  // of stage 1's three levels
    float float34;
    bool rests;
  } cases[] = {{"completed", 3, 0.0f, true},
               {"float 34 set", 3, 1.0f, false},
               {"not completed", 2, 0.0f, false}};
  for (const Case& c : cases) {
    strategy = CLevelMapStrategy::Create();
    PlayerCalls().clear();
    CurrentProfile().Floats[ProfileFloat::Value34] = c.float34;
    const std::string fresh = "stage1_" + std::to_string(c.ribbons);
    AddStageRibbons(c.ribbons, c.ribbons);
    EXPECT_EQ(PartOf(fresh), kHide) << c.name;  // waits hidden
    Step();
    EXPECT_TRUE(Played("new_ribbon")) << c.name;
    EXPECT_EQ(PartOf(fresh), kShow) << c.name;
    const GF::TRect<int>& rect = strategy->GetRibbons().at(fresh).rect;
    // The burst at the ribbon's centre, under the ribbon (earlier cases' bursts stay too).
    const GF::TPoint<float> centre((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    bool sparkles = false;
    for (const auto& drawable : static_cast<GF::HGENS::CScene&>(*scene).GetDrawables()) {
      const auto* particle = dynamic_cast<const GF::HGENS::CFGParticle*>(drawable.Get());
      sparkles = sparkles ||
                 (particle && particle->GetPosition() == centre &&
                  particle->GetLayer() == strategy->GetRibbons().at(fresh).ribbon->GetLayer() - 5);
    }
    EXPECT_TRUE(sparkles) << c.name;
    Run(160.0f);
    if (c.ribbons == 3 && c.float34 == 0.0f)
      pm::test::KeepShot("level_ribbons_new.png", 800, 600, DrawScene());
    Run(240.0f);  // the show has ended
    MoveTo("stage1_1");
    Run(400.0f);
    EXPECT_EQ(PartOf("stage1_1") == kEnter, !c.rests) << c.name;
    MoveTo(0, 0);
    Run(200.0f);
  }
}

TEST_F(CLevelMapStrategyTest, ARibbonOfAnotherStageStartsHidden) {
  strategy->AddLevel(MakeRibbon(1), "stage1_1", false);
  strategy->AddLevel(MakeRibbon(2), "stage2_1", false);
  EXPECT_EQ(PartOf("stage1_1"), kShow);
  EXPECT_EQ(PartOf("stage2_1"), kHide);
}

TEST_F(CLevelMapStrategyTest, RibbonsFlyInOnceToTheirPlacesOnTheirStage) {
  // Ribbons hosted in a part of a stage's picture, as the map places them.
  const AnimationPtr stage = scene->CreateAnimation("main_menu.framed_menu");
  ASSERT_TRUE(stage);
  stage->Play("all", 0, false);
  stage->SetPosition(400.0f, 200.0f);
  stage->Update(0.0f);
  const GF::IAnimation::ParentPtr host(stage->FindDrawable("frame"));
  ASSERT_TRUE(host);
  for (int n = 1; n <= 3; ++n) {
    const AnimationPtr ribbon = host->AddSubstitutedAnimation("ProgressMap.ribbon_1");
    ASSERT_TRUE(ribbon);
    strategy->AddLevel(ribbon, "stage1_" + std::to_string(n), n == 3);
  }
  strategy->Layout(105.0f, 105.0f, kStep, 0.0f, 0.0f);
  std::vector<GF::TPoint<float>> places;
  for (const auto& [key, ribbon] : strategy->GetRibbons())
    places.push_back(ribbon.ribbon->GetPosition());
  Step();  // the completed stage's new ribbon: the ribbons rest
  Run(400.0f);

  // The carousel moves the stage, hides its ribbons and shows them again, twice.
  stage->SetPosition(450.0f, 220.0f);
  Step();
  strategy->SetRibbonsHidden(true);
  EXPECT_TRUE(strategy->GetAllLandedEvent().IsEmpty());
  strategy->SetRibbonsHidden(false);
  strategy->SetRibbonsHidden(false);
  EXPECT_EQ(strategy->GetAllLandedEvent().Size(), 1u);
  Run(300.0f);
  EXPECT_TRUE(strategy->GetFlyObjects().empty());
  EXPECT_TRUE(strategy->GetAllLandedEvent().IsEmpty());
  int n = 0;
  for (const auto& [key, ribbon] : strategy->GetRibbons()) {
    const GF::TPoint<float> at = ribbon.ribbon->GetPosition();
    // Flights move in whole pixels.
    EXPECT_NEAR(at.x, places[n].x + 50.0f, 0.5f) << key;
    EXPECT_NEAR(at.y, places[n++].y + 20.0f, 0.5f) << key;
  }
  // The fly-in ended the rest: the ribbons react again.
  MoveTo("stage1_2");
  Run(300.0f);
  EXPECT_EQ(PartOf("stage1_2"), kEnter);
}

}  // namespace
