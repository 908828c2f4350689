#include "game/screens/results/CBonusStatisticsScreen.h"

#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/screens/CBaseControl.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/GameData.h"
#include "game/app/LevelProgress.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CFlyObjectWorker.h"
#include "game/kitchen/MotionSetters.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/results/ResultScreenParts.h"
#include "platform/Engine.h"

namespace {

constexpr int kOpeningSound = 17;
constexpr float kThrowInterval = 250.0f;  // ms
constexpr float kFlightTime = 2000.0f;    // ms
constexpr float kThrowY = 650.0f;         // below the screen: throws rise into view and fall back
constexpr float kSingleContinueResult = 101.0f;

struct MenuItemRow {
  const char* control;
  const char* command;
  bool single;  // offered when only continue is
};
constexpr MenuItemRow kItems[] = {
    {"replay", "replay", false},
    {"continue", "next", false},
    {"continue_2", "next", true},
};

class CBonusStatisticsScreen final : public CCurtainScreen, public CFlyObjectWorker {
 protected:
  void OnInit() override {
    CCurtainScreen::OnInit();
    if (const AnimationPtr layout = GetLayout()) {
      layout->SetLayer(ScreenLayerBase);
      ReplacePartToken(*layout, "_texts", L"_points", std::to_wstring(IntegerPart(Points())));
    }
    m_flyPlace = GF::HGENS::FindRequiredPlace(GetLayout(), "_fly_place");
    for (const DeviceSlot& slot :
         FindLevel(CurrentProfile().Strings[ProfileString::CurrentLevelKey]).DeviceSlots)
      m_objects.push_back(slot.Name);
    const bool single = OffersOnlyContinue(PlaceValue());
    for (const MenuItemRow& item : kItems) {
      AddMenuItem(item.control, item.command, false, kUsualFlags);
      if (item.single != single) GetControl(item.control)->SetEnabled(false);
    }
  }

  void StartShow() override {
    CCurtainScreen::StartShow();
    PlaySoundById(kOpeningSound);
  }

  void OnShown() override {
    ThrowObject();
    PlaySoundByName("Applause" + std::to_string(BonusApplauseNumber(Points(), PlaceValue())));
    PlayMusic("music_game_menu");
    CCurtainScreen::OnShown();
  }

  bool IdleUpdate(const float& dt) override {
    UpdateFlyObjects(*this, dt);
    if (RunThrowCountdown(m_countdown, dt)) ThrowObject();
    return CCurtainScreen::IdleUpdate(dt);
  }

 private:
  using ContainerPtr = GF::TSmartIPtr<GF::ISubstitutedContainer, GF::kIdSubstitutedContainer>;

  static float Points() { return CurrentProfile().Floats[ProfileFloat::BonusResult]; }
  static float PlaceValue() { return CurrentProfile().Floats[ProfileFloat::CurrentPlace]; }

  // A random object of the level, spinning in an arc from one half of the screen to the other.
  void ThrowObject() {
    if (!m_flyPlace || m_objects.empty()) return;
    m_countdown = kThrowInterval;
    Engine* engine = hgeCreate(ENGINE_VERSION);
    const int last = static_cast<int>(m_objects.size()) - 1;
    const std::string& name = m_objects[static_cast<std::size_t>(engine->RandomInt(0, last))];
    const float x1 = engine->RandomFloat(50.0f, 750.0f);
    const ThrowRange range = LandingRange(x1);
    const float x2 = engine->RandomFloat(range.from, range.to);
    const float turns = engine->RandomFloat(-3.0f, 3.0f);
    engine->Release();
    const AnimationPtr object = m_flyPlace->AddSubstitutedAnimation(name);
    if (!object) return;
    object->Play("_idle", 0, false);
    const float gravity = static_cast<float>(std::rand() % 6 + 7) / 10000.0f;
    const GF::THolder<CFlyObject> flight = CreateFlyObject();
    flight->AddTarget(object);
    flight->SetDuration(kFlightTime);
    flight->m_landedEvent.Subscribe(GF::MakeDelegate(this, &CBonusStatisticsScreen::OnLanded));
    SetFreeFallMotion(*flight, {x1, kThrowY}, {x2, kThrowY}, {0.0f, gravity});
    SetFloatLineMotion2(*flight, 0.0f, turns * std::numbers::pi_v<float>);
    flight->Update(0.0f);
    AddFlyObject(*this, flight);
  }

  // A landed object leaves the place, so a long stay does not pile objects up.
  void OnLanded(GF::THolder<CFlyObject> flight) {
    if (const AnimationPtr object = GetFlyObjectTarget(flight))
      m_flyPlace->RemoveSubstitutedAnimation(object);
  }

  ContainerPtr m_flyPlace;
  std::vector<std::string> m_objects;  // the level's objects, by resource name
  float m_countdown = 0.0f;            // ms to the next throw
};

}  // namespace

GF::THolder<GF::IScreen> CreateBonusStatisticsScreen() {
  return GF::MakeHolder<CBonusStatisticsScreen>();
}

bool OffersOnlyContinue(float placeValue) {
  return placeValue == kSingleContinueResult;
}

int BonusApplauseNumber(float points, float placeValue) {
  return IntegerPart(points) > 0 ? ResultPlace(placeValue) : 3;
}

bool RunThrowCountdown(float& countdown, float dt) {
  if (countdown <= 0.0f) return false;
  countdown -= dt;
  return countdown <= 0.0f;
}

ThrowRange LandingRange(float x1) {
  return x1 >= 400.0f ? ThrowRange{50.0f, 400.0f} : ThrowRange{400.0f, 750.0f};
}
