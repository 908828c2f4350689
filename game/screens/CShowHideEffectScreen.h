#pragma once

#include <string>

#include "framework/engine/screens/CConfirmMenuScreen.h"
#include "framework/engine/screens/CMenuScreenAbstract.h"
#include "game/screens/CControlSoundScreen.h"
#include "game/screens/CWindowShadesEffect.h"

// The template of every game screen: the framework's show, idle and hide sequence with the
// shared curtain around it. Opening waits for the curtain's opening run before "_show";
// closing runs the curtain's closing run after "_hide" and finishes the screen when it has
// ended. Runs start only when the player's profile requests them, so a screen without a
// request opens and closes at once. N = 1 leaves the halves as the curtain put them (drawn,
// gathered off the screen's sides, while idle); N = 0 hides them while the screen is open.
template <class B, int N>
class CShowHideEffectScreen : public B {
 public:
  CShowHideEffectScreen() : m_effect(CWindowShadesEffect::Create()) {}

 protected:
  static constexpr const char* kShowManual = "show_manual";

  void OnInit() override {
    B::OnInit();
    m_effect->SetScene(this->GetScene());
  }

  void OnDestroy() override {
    // A screen shown over another leaves the halves in the scene it borrowed.
    if (!this->IsOverlay()) m_effect->RemoveFromScene(this->GetScene());
    B::OnDestroy();
  }

  void StartShow() override {
    if (this->IsStateHandler(&CShowHideEffectScreen::ShowAfterEffect)) return;
    this->ClearResultForShow();
    this->SetStateHandler(&CShowHideEffectScreen::ShowAfterEffect);
    if (!m_noEffect) StartEffect(CWindowShadesEffect::kOpening);
  }

  bool HidingUpdate(const float&) override {
    const typename B::AnimationPtr layout = this->GetLayout();
    if (layout && !layout->IsStopped()) {
      // A shortcut that fires now has set the result already.
      if (!this->ProcessShortcuts(GF::IScreen::kLiveHiding)) return true;
    } else {
      this->m_result = this->m_command;
    }
    this->SetStateHandler(&CShowHideEffectScreen::IsEffectDone);
    if (N == 0) m_effect->SetShown(true);
    if (!m_noEffect) StartEffect(CWindowShadesEffect::kClosing);
    return true;
  }

  void OnCommand(const std::string& command) override {
    if (command == kShowManual) {
      StartEffect(CWindowShadesEffect::kOpening);
      m_noEffect = false;
    }
    B::OnCommand(command);
  }

  // Waits for the opening run, then plays "_show".
  virtual bool ShowAfterEffect(const float&) {
    if (IsCurtainOpening()) return true;
    GF::HGENS::CScreenAbstract::StartShow();
    if (!m_noEffect && N == 0) m_effect->SetShown(false);
    return true;
  }

  // False, which finishes the screen, once the closing run has ended.
  virtual bool IsEffectDone(const float&) { return m_effect->GetProgress() < m_doneThreshold; }

  virtual void StartEffect(int mode) { m_effect->Start(mode, m_effectDuration); }

  // The opening run has not yet come far enough for "_show".
  bool IsCurtainOpening() const { return m_effect->GetProgress() < m_showThreshold; }

  const GF::THolder<CWindowShadesEffect>& GetEffect() const { return m_effect; }
  // The curtain's progress from which "_show" may play.
  float GetShowThreshold() const { return m_showThreshold; }
  void SetNoEffect(bool noEffect) { m_noEffect = noEffect; }
  bool HasNoEffect() const { return m_noEffect; }

 private:
  float m_showThreshold = 1.0f;
  float m_doneThreshold = 1.0f;
  float m_effectDuration = 1250.0f;  // ms
  bool m_noEffect = false;
  GF::THolder<CWindowShadesEffect> m_effect;
};

// The three screen bases of the game: every screen; the in-level screen, which hides the
// halves while a level is played; the game's yes/no dialog, without the button-sound layer.
using CCurtainScreen =
    CShowHideEffectScreen<CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>, 1>;
using CCurtainLevelScreen =
    CShowHideEffectScreen<CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>, 0>;
using CCurtainConfirmScreen = CShowHideEffectScreen<GF::HGENS::CConfirmMenuScreen, 1>;

extern template class CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>;
extern template class CShowHideEffectScreen<CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>, 1>;
extern template class CShowHideEffectScreen<CControlSoundScreen<GF::HGENS::CMenuScreenAbstract>, 0>;
extern template class CShowHideEffectScreen<GF::HGENS::CConfirmMenuScreen, 1>;
