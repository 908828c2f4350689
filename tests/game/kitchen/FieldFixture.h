#pragma once

// A level field's surroundings on the sample content, without a game screen: the real
// engine headless with the resource pack, the three data files loaded, the default
// progress, a scene as the level interface layer, and music and sound players that record
// what they are asked. The field under test is a small subclass that journals its hooks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/scene/CResourceCache.h"
#include "framework/engine/scene/CScene.h"
#include "game/app/GameData.h"
#include "game/app/LevelsData.h"
#include "game/app/LibraryData.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/LevelInterfaceLayer.h"
#include "tests/game/app/GameAppSession.h"
#include "tests/support/SampleContentFixture.h"

namespace pm::test {

// Journals the hooks the base calls, in order ("start", "hover 100,100", "delivery", ...).
class CTestField : public CGameFieldBase {
 public:
  explicit CTestField(bool* destroyed = nullptr) : m_destroyed(destroyed) {}
  ~CTestField() override {
    if (m_destroyed) *m_destroyed = true;
  }

  void StartLevel() override { journal.push_back("start"); }
  void OnDelivery() override { journal.push_back("delivery"); }
  void OnHoverStart(const GF::TPoint<float>& at) override {
    journal.push_back("hover " + Point(at));
  }
  void OnHoverEnd(const GF::TPoint<float>& at) override { journal.push_back("end " + Point(at)); }

  // The base's state, for the tests to read.
  using CGameFieldBase::m_clockPanel;
  using CGameFieldBase::m_clockSegment;
  using CGameFieldBase::m_deliveryBar;
  using CGameFieldBase::m_deliveryBarLength;
  using CGameFieldBase::m_deliveryButton;
  using CGameFieldBase::m_hider;
  using CGameFieldBase::m_itemDelivery;
  using CGameFieldBase::m_lastPlace;
  using CGameFieldBase::m_levelKey;
  using CGameFieldBase::m_ring;
  using CGameFieldBase::m_wallClock;
  using CGameFieldBase::SetIntroDone;

  std::vector<std::string> journal;

 private:
  static std::string Point(const GF::TPoint<float>& at) {
    return std::to_string(static_cast<int>(at.x)) + "," + std::to_string(static_cast<int>(at.y));
  }
  bool* m_destroyed;
};

class FieldFixture : public SampleContentFixture {
 protected:
  void BeforeLoad() override {
    GF::HGENS::ServiceProviders& providers = GF::HGENS::GetServiceProviders();
    providers.createMusic =
        +[] { return GF::THolder<GF::IMusic>(GF::MakeHolder<CRecordingMusic>()); };
    RecordGameSounds();
  }
  void SetUp() override {
    SampleContentFixture::SetUp();
    GameDatabase = GameData{};
    LevelsDatabase = LevelsData{};
    GameProgress = ProgressBlock{};
    ASSERT_TRUE(LoadGameDataFile());
    ASSERT_TRUE(LoadLevelsDataFile());
    ResetProgressToDefault();
    StopMusic();
    PlayerCalls().clear();
    scene = GF::MakeHolder<GF::HGENS::CScene>();
    SetLevelInterfaceLayer(scene);
    SetMouse(0, 0);
    field = GF::MakeHolder<CTestField>();
  }
  void TearDown() override {
    if (field) field->Shutdown();
    field.Reset();
    SetLevelInterfaceLayer(nullptr);
    if (scene) scene->Clear();
    scene.Reset();
    GF::HGENS::ReleaseEngineServices();
    GF::HGENS::GetServiceProviders() = GF::HGENS::ServiceProviders{};
    SampleContentFixture::TearDown();
    GF::HGENS::CResourceCache::ReleaseInstance();
  }

  // A bonus level `key` made from the sample level `from`, with these objects.
  static void AddBonusLevel(const std::string& from, const std::string& key,
                            std::vector<DeviceSlot> slots, float levelTime) {
    LevelDescription level = LevelTable.at(from);
    level.LevelKey = key;
    level.DeviceSlots = std::move(slots);
    level.LevelTime = levelTime;
    LevelTable[key] = level;
  }
  // An object drawn at its own size (a slot of scale 0 draws nothing and measures 0 px).
  static DeviceSlot DrawnSlot(const std::string& name, float x, float y, int layer = 400) {
    DeviceSlot slot;
    slot.Name = name;
    slot.Position = {x, y};
    slot.Scale = {1.0f, 1.0f};
    slot.Opacity = 1.0f;
    slot.Layer = layer;
    return slot;
  }

  static void SetMouse(int x, int y) {
    const GF::THolder<GF::CMouse> mouse = GF::HGENS::GetMouse();
    mouse->x = x;
    mouse->y = y;
    mouse->fx = static_cast<float>(x);
    mouse->fy = static_cast<float>(y);
  }

  // The scene animation of a level, centred and playing "all", as the game screen makes it.
  GF::IAnimation::AnimationPtr MakeKitchen(const char* sceneName = "levels.kitchen_1") {
    GF::IAnimation::AnimationPtr kitchen = scene->CreateAnimation(sceneName);
    if (!kitchen) return kitchen;
    kitchen->SetPosition(400.0f, 300.0f);
    kitchen->Play("all", 0, false);
    return kitchen;
  }
  // The game screen's layout, centred, with the HUD places.
  GF::IAnimation::AnimationPtr MakeHud() {
    GF::IAnimation::AnimationPtr hud = scene->CreateAnimation("main_menu.game_screen");
    if (!hud) return hud;
    hud->SetPosition(400.0f, 300.0f);
    hud->Play("_idle", 0, false);
    hud->Update(0.0f);
    return hud;
  }
  // A level set up on `level` as the game screen does it: the HUD, the level's scene (kept in
  // `kitchen`), the level loaded and its plates placed.
  void SetUpLevel(CGameFieldBase& level, const std::string& key,
                  const char* sceneName = "levels.kitchen_1") {
    hud = MakeHud();
    kitchen = MakeKitchen(sceneName);
    ASSERT_TRUE(kitchen);
    level.BuildHUD(hud, nullptr);
    ASSERT_TRUE(level.LoadLevel(key));
    level.SetupPlates(kitchen);
  }
  void StartLevel(const std::string& key) { SetUpLevel(*field, key); }
  void Run(float ms, float step = 20.0f) {
    for (; ms > 0.0f; ms -= step) {
      const float dt = ms < step ? ms : step;
      field->Update(dt);
      scene->Update(dt);
    }
  }

  GF::THolder<GF::HGENS::CScene> scene;
  GF::THolder<CTestField> field;
  GF::IAnimation::AnimationPtr hud;
  GF::IAnimation::AnimationPtr kitchen;
};

}  // namespace pm::test
