#pragma once

#include <string>
#include <vector>

#include "framework/core/TPoint.h"
#include "framework/core/TRect.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/app/ProgressBlock.h"
#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CTextRecord.h"
#include "game/screens/CShowHideEffectScreen.h"
#include "game/screens/trophy/CrossFadeState.h"

// One place of the wardrobe: the button on its hanger and the outfit it shows.
struct DressSlot {
  GF::IAnimation::AnimationPtr button;  // "Ginger_room.dres_button"
  int dressId = 0;                      // 0 shows the default outfit
  bool earned = false;                  // the outfit may be worn
  GF::TRect<int> rect;                  // the button's, taken once when the slot is made
};

// "GingerRoomScreen": what the player has won. The current stage's outfits hang in a
// wardrobe, earned or greyed; a click on an earned one draws the changing curtain and, behind
// it, the cook puts it on while the outfit she wore takes its hanger. The souvenirs of the
// stages reached and a cup per finished stage stand around; the one under the mouse
// brightens, and after a rest a balloon names it (or the outfit or the cook). A new award
// sparkles once, at its place. "exit" and "cookbook" leave; the flow rules say where.
class CJingerRoom : public CCurtainScreen, public CActionWorker {
 public:
  static GF::THolder<GF::IScreen> Create();

  CJingerRoom();
  ~CJingerRoom() override;

  // What the room shows, for a look from outside.
  const std::vector<DressSlot>& GetDressSlots() const { return m_dressSlots; }
  int GetHoveredSlot() const { return m_hoveredSlot; }
  const std::vector<GF::THolder<CCookObject>>& GetTrophies() const { return m_trophies; }
  const std::vector<std::wstring>& GetTrophyHints() const { return m_trophyHints; }
  const GF::THolder<CPers>& GetCook() const { return m_cook; }
  const AnimationPtr& GetCurtain() const { return m_curtain; }
  const AnimationPtr& GetBalloon() const { return m_balloon; }
  const std::wstring& GetBalloonText() const { return m_balloonText; }
  const CrossFadeState& GetHighlight() const { return m_highlight; }
  const GF::THolder<GF::HGENS::CFGParticle>& GetAwardEffect() const { return m_awardEffect; }
  // The curtain's progress through its closing and reopening: 1 at rest or without one.
  float GetCurtainProgress() const;

 protected:
  void OnInit() override;
  bool IdleUpdate(const float& dt) override;

 private:
  using StateHandler = void (CJingerRoom::*)(const float&);

  void BuildRoom();
  void BuildDresses();
  void AddDressSlot(int dressId, bool earned);
  AnimationPtr CreateDressButton(int dressId, int number, bool earned);
  void BuildCook();
  void BuildCurtain();
  void BuildSouvenirs();
  void BuildCups();
  // The trophy in its place with its balloon text; one without animation is left out.
  GF::THolder<CCookObject> AddTrophy(const std::string& name, const std::string& place,
                                     std::wstring hint);
  void HideLayoutBalloon();
  void CelebrateNewAward();
  void PlayAwardEffect(const char* file, const GF::TPoint<float>& at);

  void WaitForActions(const float& dt);
  void UpdateWardrobe(const float& dt);
  void SwapDress();
  void UpdateDressHover();
  void ClickDress();

  void UpdateTrophyHover(const float& dt);
  void OnBalloonShow(const GF::TPoint<float>& mouse);
  void OnBalloonHide(const GF::TPoint<float>& mouse);
  void UpdateBalloon(const GF::TPoint<float>& mouse);
  // The trophy under the mouse, first in list order; -1 when none.
  int HitTrophy(const GF::TPoint<float>& mouse) const;
  // The balloon text of the outfit under the mouse (the cook's or the hovered slot's): its
  // locked text in place of text, else its name when text is empty.
  void OutfitText(const GF::TPoint<float>& mouse, std::wstring& text) const;
  bool IsCurtainAtRest() const;
  void ShowBalloon(const std::wstring& text);
  void HideBalloon();

  StateHandler m_state = &CJingerRoom::WaitForActions;
  int m_hoveredSlot = -1;
  std::vector<DressSlot> m_dressSlots;
  AnimationPtr m_curtain;
  bool m_changing = false;
  GF::THolder<CPers> m_cook;
  PlayerProfile* m_profile;
  float m_lastMouseX = 0.0f;
  float m_lastMouseY = 0.0f;
  float m_restTime = 0.0f;  // ms
  bool m_balloonRequested = false;
  AnimationPtr m_balloon;
  CrossFadeState m_highlight;
  std::vector<GF::THolder<CCookObject>> m_trophies;  // souvenirs, then cups
  std::vector<std::wstring> m_trophyHints;
  GF::THolder<CCookObject> m_newestSouvenir;
  CTextRecord m_balloonRecord;
  std::wstring m_balloonText;
  int m_newestSlot = 0;
  GF::THolder<GF::HGENS::CFGParticle> m_awardEffect;  // the new award's sparkles
};
