// Actions and a flight on the real program, headless, on the sample content: a screen of
// the test's own is an action worker and a flight worker, as the game's screens are. A
// button flies a parabola from (150, 420) over (400, 340) to (650, 420) in 1000 ms while it
// fades from 1 to 0.3 and turns half a turn; beside it a chain waits for a highlight bar's
// "_selected" (100 ms, played once), fades the bar out in 800 ms and then executes. Frames
// of 20 ms; shots of the first, middle and last frame of the flight and of the frame it
// lands on. PANMASTER_SHOTS keeps the shots for a look.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/resources/ResourceServices.h"
#include "framework/engine/scene/SceneServices.h"
#include "framework/engine/screens/CScreenAbstract.h"
#include "framework/engine/screens/ScreenServices.h"
#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CAnimationWaitAction.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/kitchen/CFaideAnimationAction.h"
#include "game/kitchen/CFlyObjectWorker.h"
#include "game/kitchen/MotionSetters.h"
#include "tests/framework/engine/screens/ScreensTestSupport.h"
#include "tests/support/ReplayShot.h"
#include "tests/support/TestSupport.h"

namespace {

using GF::THolder;
using pm::test::Near;
using Lines = std::vector<std::string>;

int g_frame = 0;

class CFlightsScreen : public GF::HGENS::CScreenAbstract,
                       public CActionWorker,
                       public CFlyObjectWorker {
 public:
  // The frames on which the chain executed and the flight landed.
  int executedOn = 0;
  int landedOn = 0;

  bool Update(const float& dt) override {
    UpdateFlyObjects(*this, dt);
    CActionWorker::Update(dt);
    return CScreenAbstract::Update(dt);
  }
  // The game's screens cover the screen with a background; this one clears it instead.
  void Render() override {
    Engine* engine = hgeCreate(ENGINE_VERSION);
    engine->Clear(0xFF000000);
    engine->Release();
    CScreenAbstract::Render();
  }

 protected:
  void OnInit() override {
    const THolder<GF::IScene> scene = GetScene();
    const AnimationPtr bar = scene->CreateAnimation("interfaces.fw_row");
    bar->SetPosition(400.0f, 150.0f);
    Append(MakeAnimationWaitAction(bar, "_selected", 0, false));
    Append(MakeFaideAnimationAction(bar, 800.0f, true, false));
    Append(MakeExecuteAction(GF::MakeDelegate(this, &CFlightsScreen::OnExecute)));

    const AnimationPtr button = scene->CreateAnimation("interfaces.fw_button");
    button->Play("_up", 0, false);
    const THolder<CFlyObject> flight = CreateFlyObject();
    flight->AddTarget(button);
    flight->SetDuration(1000.0f);
    SetParabolaMotion(*flight, {150, 420}, {400, 340}, {650, 420});
    SetFloatLineMotion(*flight, 1.0f, 0.3f);
    SetFloatLineMotion2(*flight, 0.0f, std::numbers::pi_v<float>);
    flight->m_removeOnArrival = true;
    flight->m_landedEvent.Subscribe(GF::MakeDelegate(this, &CFlightsScreen::OnLanded));
    AddFlyObject(*this, flight);
  }

 private:
  void OnExecute() { executedOn = g_frame; }
  void OnLanded(THolder<CFlyObject>) { landedOn = g_frame; }
};

constexpr std::uint32_t kButton = 0x3C6496;
constexpr std::uint32_t kBar = 0xC06020;

// The colour at that opacity over black.
std::uint32_t Faded(std::uint32_t colour, float opacity) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const float channel = static_cast<float>((colour >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>(channel * opacity) << shift;
  }
  return out;
}

TEST(FlightsE2ETest, AFlightBesideAChainOfWaitFadeAndExecute) {
  GF::HGENS::InstallResourceServices();
  GF::HGENS::InstallSceneServices();
  GF::HGENS::InstallScreenServices();
  const std::filesystem::path folder = pm::test::ShotFolder("flights");
  int executedOn = 0;
  int landedOn = 0;
  pm::test::ScriptedRun run;
  THolder<GF::IScreen> screen;
  run.init = [&](GF::HGENS::CGameManager& manager) {
    manager.RegisterScreen("flights", [] { return THolder<GF::IScreen>(new CFlightsScreen); });
    manager.CreateScreen("flights", "", nullptr, nullptr);
    screen = manager.TopScreen();
    screen->Activate();
  };
  run.before = [](int frame) { g_frame = frame; };
  run.after = [&](int) {
    const auto& flights = dynamic_cast<CFlightsScreen&>(*screen);
    executedOn = flights.executedOn;
    landedOn = flights.landedOn;
  };
  std::string script = "frames 55\n";
  for (const char* shot : {"1 first", "25 middle", "50 last", "51 landed"}) {
    const std::string line(shot);
    const std::size_t space = line.find(' ');
    script += "@" + line.substr(0, space) + " shot " +
              (folder / (line.substr(space + 1) + ".png")).string() + "\n";
  }
  Lines log;
  pm::test::RunScripted(script, run, &log);
  screen.Reset();
  GF::HGENS::GetServiceProviders() = {};

  // The bar's clock reaches the part's end on frame 5 and stops on frame 6; the wait sees it
  // on 7; the fade runs frames 8 to 47; the execute fires in the walk of 48.
  EXPECT_EQ(executedOn, 48);
  // 50 frames of flight; the landing is reported on the update after.
  EXPECT_EQ(landedOn, 51);
  for (const std::string& line : log) EXPECT_EQ(line.find("NOT FOUND"), std::string::npos) << line;

  Engine* engine = hgeCreate(ENGINE_VERSION);
  engine->SetStateInt(EngineState::ScreenWidth, 800);
  engine->SetStateInt(EngineState::ScreenHeight, 600);
  ASSERT_TRUE(engine->Initiate());
  {
    // Frame 1, 20 ms in: at (160, 414) on the parabola, nearly opaque and nearly level; the
    // bar is lit.
    const pm::test::Shot first(*engine, folder / "first.png");
    ASSERT_TRUE(first.IsLoaded());
    EXPECT_TRUE(Near(first.At(160, 414), Faded(kButton, 0.986f), 3));
    EXPECT_TRUE(Near(first.At(220, 414), Faded(kButton, 0.986f), 3));
    EXPECT_EQ(first.At(160, 440), 0u);  // below its 40 pixels
    EXPECT_TRUE(Near(first.At(400, 150), kBar, 3));

    // Frame 25, halfway: at the top of the parabola, at 0.65 and turned a quarter, so it
    // stands upright, 40 wide and 160 high; the bar is 360 ms into its fade.
    const pm::test::Shot middle(*engine, folder / "middle.png");
    ASSERT_TRUE(middle.IsLoaded());
    EXPECT_TRUE(Near(middle.At(400, 340), Faded(kButton, 0.65f), 3));
    EXPECT_TRUE(Near(middle.At(400, 400), Faded(kButton, 0.65f), 3));
    EXPECT_EQ(middle.At(460, 340), 0u);
    EXPECT_TRUE(Near(middle.At(400, 150), Faded(kBar, 0.55f), 3));

    // Frame 50: at its end, at 0.3 and turned half round; the bar has faded away.
    const pm::test::Shot last(*engine, folder / "last.png");
    ASSERT_TRUE(last.IsLoaded());
    EXPECT_TRUE(Near(last.At(650, 420), Faded(kButton, 0.3f), 3));
    EXPECT_TRUE(Near(last.At(590, 420), Faded(kButton, 0.3f), 3));
    EXPECT_EQ(last.At(650, 450), 0u);
    EXPECT_EQ(last.At(400, 150), 0u);

    // Frame 51: landed and taken out of the scene: nothing is left.
    const pm::test::Shot landed(*engine, folder / "landed.png");
    ASSERT_TRUE(landed.IsLoaded());
    EXPECT_EQ(landed.Count(0, 0, 800, 600, 0, false), 0);
  }
  engine->Shutdown();
  engine->Release();
}

}  // namespace
