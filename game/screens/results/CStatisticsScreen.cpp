#include "game/screens/results/CStatisticsScreen.h"

#include <string>

#include "framework/core/TMethodDelegate.h"
#include "framework/engine/particles/CFGParticle.h"
#include "framework/engine/particles/ParticleRegistry.h"
#include "framework/engine/screens/ControlParts.h"
#include "game/app/PlayerProfiles.h"
#include "game/app/SoundShortcuts.h"
#include "game/kitchen/CExecuteAction.h"
#include "game/screens/results/ResultScreenParts.h"

namespace {

constexpr int kOpeningSound = 17;
constexpr float kParticleDelay = 2000.0f;  // ms after the show starts
constexpr float kCurtainDelay = 1250.0f;   // more while the curtain still opens

struct MenuItemRow {
  const char* control;
  const char* command;
};
constexpr MenuItemRow kItems[] = {{"replay", "replay"}, {"continue", "next"}};

class CStatisticsScreen final : public CResultScreen {
 protected:
  void OnInit() override {
    CResultScreen::OnInit();
    ShowResult("main_menu.ribbon_" + std::to_string(Place()));
    LowerBestPlace();
    for (const MenuItemRow& item : kItems)
      AddMenuItem(item.control, item.command, false, kUsualFlags);
  }

  void StartShow() override {
    CResultScreen::StartShow();
    PlaySoundById(kOpeningSound);
    AppendAfterOpening(
        kParticleDelay, kCurtainDelay,
        MakeExecuteAction(GF::MakeDelegate(this, &CStatisticsScreen::ShowWinParticle)));
  }

  void OnShown() override {
    PlayMusic("music_game_menu");
    PlaySoundByName("Applause" + std::to_string(Place()));
    CResultScreen::OnShown();
  }

  void StartHide() override {
    if (m_particle) {
      m_particle->Stop();
      m_particle->SetShown(false);
    }
    CResultScreen::StartHide();
  }

  // Passes every command on; "replay" plays this very level again.
  void OnCommand(const std::string& command) override {
    if (command == "replay") KeepLevelForReplay();
  }

 private:
  static int Place() { return ResultPlace(CurrentProfile().Floats[ProfileFloat::CurrentPlace]); }

  static void LowerBestPlace() {
    LevelRecord& record = CurrentLevelRecord();
    record.BestPlace = LoweredBestPlace(record.BestPlace, Place());
  }

  // The burst over the layout's "_part_place", on its layer.
  void ShowWinParticle() {
    const auto place = GF::HGENS::FindRequiredPlace(GetLayout(), "_part_place");
    if (!place) return;
    GF::HGENS::ParticleRegistry::Instance().enabled = true;
    m_particle =
        GF::HGENS::CFGParticle::Create("Particle\\win_place.fgp", "particles_2", 1.0f, true);
    m_particle->SetScene(GetScene());
    const GF::IAnimation::DrawablePtr drawable(place);
    m_particle->SetLayer(drawable->GetLayer());
    const GF::CObjectProperties& at = place->GetProperties();
    m_particle->SetPosition(at.x, at.y);
  }

  GF::THolder<GF::HGENS::CFGParticle> m_particle;
};

}  // namespace

GF::THolder<GF::IScreen> CreateStatisticsScreen() {
  return GF::MakeHolder<CStatisticsScreen>();
}
