#pragma once

#include <string>
#include <vector>

#include "framework/core/CRefCount.h"
#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/engine/app/IScreen.h"
#include "framework/engine/screens/CBaseControl.h"
#include "game/app/BonusDescription.h"
#include "game/app/LevelDescription.h"
#include "game/app/ProgressBlock.h"
#include "game/app/RecipeRecord.h"
#include "game/kitchen/CActionWorker.h"
#include "game/kitchen/CBonusIconRow.h"
#include "game/kitchen/CDeliveryButton.h"
#include "game/kitchen/CFlyObject.h"
#include "game/kitchen/CFlyObjectWorker.h"
#include "game/kitchen/CStandingsPanel.h"
#include "game/kitchen/CTurnirStrategy.h"
#include "game/kitchen/CWallClock.h"

class CCookObject;
class CPers;
class CReceptPanel;
class CZacaz;

// The common base of the level fields: the kitchen level and the three bonus levels. The
// game screen creates one per level, sets the level interface layer, binds the HUD
// (BuildHUD), loads the level (LoadLevel), places the plates (SetupPlates, which starts the
// level) and calls Update every frame until IsFinished.
//
// Everything that lives during a level hangs off the field: its action chains (it is a
// CActionWorker), its flights (a CFlyObjectWorker), the HUD pieces (level clock, delivery
// bar, plate, ring, delivery item and its button), the wall clock, the bonus icon row, the
// hover tracking and the current level's description. Each operation has a base behaviour;
// the fields override what they need and call the base where it has one.
class CGameFieldBase : public GF::CRefCount, public CActionWorker, public CFlyObjectWorker {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  CGameFieldBase();
  ~CGameFieldBase() override;

  using CookObjects = std::vector<GF::THolder<CCookObject>>;

  // Points earned: the score, the player's standing and profile float 4 with it.
  virtual void AddScore(float points);
  // The placed device or ingredient source of that catalogue key; only a shown and active
  // one with availableOnly. The base field has none.
  virtual GF::THolder<CCookObject> FindObject(const std::string& key, bool availableOnly);
  // End of the level screen: every action is stopped and the rivals let the field go.
  virtual void Shutdown();
  // Resets the field and takes the level of that key. A key the levels data lacks is logged
  // and false is returned; the field then finishes at its first Update with no place.
  virtual bool LoadLevel(const std::string& levelKey);
  // Places the delivery item on the layout's "_plate", takes its "_ring", binds the wall
  // clock to it and starts the level (StartLevel).
  virtual void SetupPlates(AnimationPtr layout);
  // Tells the running actions.
  virtual void SetPause(bool paused);
  // One frame, in a fixed order: flights, actions, hover tracking, bonus icon row, wall
  // clock, standings, delivery button, bonus-level cursor.
  virtual void Update(const float& dt);
  // Binds the HUD: the delivery bar, the screen's "hint" button, the level clock on "_flip",
  // the standings and the delivery item made in the level interface layer.
  virtual void BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen);
  // Key codes; 0x12 is the left mouse button.
  virtual void OnKeyDown(int code);
  virtual void OnKeyUp(int code);
  // A frozen level's frame: only flights, actions and the wall clock move.
  virtual void UpdateEffectsOnly(const float& dt);
  // The player pressed the hint button.
  virtual void UseHint();
  // The delivery button was clicked.
  virtual void OnDelivery();
  // Writes the player's place to the profile.
  virtual void UpdateResult();
  // Raises the finished flag.
  virtual void EndLevel();
  // The level's intro.
  virtual void StartLevel();
  // An order's patience ran out.
  virtual void OnOrderExpired(RecipeRecord recipe);
  // An order was served: the tips' event 1.
  virtual void OnOrderServed(GF::THolder<CZacaz> order);
  // The placed device or ingredient source that holds the selected order's next item; none
  // on the base field.
  virtual GF::THolder<CCookObject> FindNextNeededObject(bool advance);
  // A fetched ingredient source: the kitchen hides it and shows it again after a delay. The
  // base field drops it.
  virtual void AddDelayedObject(GF::THolder<CCookObject> object);
  // Queues the order record with that id; false when there is none.
  virtual bool AddOrder(int id);
  // Starts the power-up bonus of the record's kind: its icon joins the bonus row, sound 25
  // plays and the bonus runs beside the chains. Kinds without a maker start nothing. The
  // order is the one that handed the bonus over item by item, else empty.
  virtual void CreateBonus(const BonusDescription& record, AnimationPtr icon,
                           GF::THolder<CZacaz> order);
  // The kitchen's devices and ingredient sources, its order panel and its cook; none on the
  // base field.
  virtual const CookObjects& GetCookObjects() const;
  virtual CReceptPanel* GetReceptPanel();
  virtual GF::THolder<CPers> GetPers() const;
  // Brings the next customer.
  virtual void AddNextCustomer();
  // Back to the state before the first frame: flights land, actions stop, the level clock
  // hides, the standings empty, the level tuning values and the profile's result, points and
  // orders served are reset.
  virtual void Reset();
  // The mouse rested on one point longer than HoverDelay; it moved again after that.
  virtual void OnHoverStart(const GF::TPoint<float>& mouse);
  virtual void OnHoverEnd(const GF::TPoint<float>& mouse);

  // The next of the level's bonus entries, drawn at random or in turn as the level says;
  // null when the level has none.
  const LevelBonusEntry* GetNextBonusEntry();
  // Leaves the game screen with "show_manual"; the intro is then over.
  void ShowManual();
  // The landed handler of an ingredient's flight: the plate shows it works, and the
  // flight's sprites leave.
  void OnIngredientLanded(GF::THolder<CFlyObject> flight);
  // The bonus level's opening banner over a silent kitchen, then the manual.
  void ShowBonusBanner();
  // Queues a hint box with the text at (x, y): it shows after 100 ms, stays until the player
  // clicks its "_item_back" button, then hides.
  void ShowHintText(const std::wstring& text, float x, float y);

  AnimationPtr GetHudRoot() const { return m_hudRoot; }
  AnimationPtr GetPlate() const { return m_plate; }
  GF::THolder<CDeliveryButton> GetDeliveryButton() const { return m_deliveryButton; }
  AnimationPtr& Balloon() { return m_balloon; }
  CBonusIconRow& GetBonusRow() { return m_bonusRow; }
  // The time-freeze countdown in ms: a freeze bonus adds to it.
  float& FreezeTime() { return m_freezeTime; }
  const LevelDescription* GetLevelDescription() const { return m_levelDesc; }
  // The level's customers in the order they come.
  const std::vector<LevelOrderRecord>& GetOrderRecords() const { return m_orderRecords; }
  CStandingsPanel& GetStandings() { return m_standings; }
  CTurnirStrategy& GetTurnir() { return m_turnir; }
  float GetScore() const { return m_score; }
  // Elapsed level time in ms.
  float GetLevelTime() const { return m_levelTime; }
  // The bonuses riding on orders now (the orders keep it; 0 at Reset).
  int& BonusCounter() { return m_bonusCounter; }
  // Set by the kitchen's upgrade step: the level-final order then carries the level's bonuses.
  bool& UpgradeFlag() { return m_upgradeFlag; }
  bool IsFinished() const { return m_finished; }
  // Clear while a level's intro runs: a "quit" then ends the game at once.
  bool IsIntroDone() const { return m_introDone; }

  // The power-up bonuses' makers by kind; CreateBonus makes nothing for an empty slot or a
  // kind outside the table.
  using BonusMaker = CActionBase::Holder (*)(AnimationPtr icon, const BonusDescription& record,
                                             CGameFieldBase& field);
  static constexpr int kBonusKinds = 6;
  static BonusMaker bonusMakers[kBonusKinds];

 protected:
  void SetIntroDone(bool done) { m_introDone = done; }
  // The bonus levels' level clock, once a frame while they play: the time runs at the game
  // speed, the clock blinks in the last quarter and ticks every second in the last twentieth
  // (at normal speed only), its hand turns with the time. Gives the fraction of the time
  // gone, 1 once it has run out; a level without time limit gives 0.
  float UpdateBonusLevelClock(const float& dt, bool& blinking, float& tickTimer);
  // The level clock at the fraction t of the time: it blinks in the last quarter, ticks every
  // second in the last twentieth while `tick` allows, and its hand turns with the time.
  void ShowLevelClock(float t, const float& dt, bool tick, bool& blinking, float& tickTimer);
  // The bonus levels' closing frame: once the chain has run out the field pauses and is
  // finished.
  void UpdateBonusClosing();
  // Every level's count-down on the chain: "3", "2", "1", "Go!" at the point, each with its
  // voice, then the start sound.
  void AppendCountDown(GF::TPoint<float> at);
  // The bonus levels' opening sparkles at the point, just over the delivery bar.
  void ShowBonusParticles(float x, float y);
  // The bonus levels' log line: the level's result and count as the profile holds them.
  void LogBonusResult() const;
  // The bonus-level cursor follows the mouse, kept on the screen.
  void UpdateHider();

  AnimationPtr m_balloon;       // the speech balloon open now (ShowSpeechBalloon)
  int m_bonusEntryCounter = 0;  // bonus entries taken in turn
  int m_bonusCounter = 0;       // bonuses riding on orders now
  float m_levelTime = 0.0f;     // ms, advanced by the fields' level clocks
  float m_score = 0.0f;
  float m_deliveryBarLength = 0.0f;  // the full time of the delivery bar's "_idle"
  GF::THolder<GF::HGENS::CBaseControl> m_hintButton;
  AnimationPtr m_deliveryBar;   // "_delivery_progres"
  AnimationPtr m_clockPanel;    // "_flip", hidden without a time limit
  AnimationPtr m_clockSecond;   // "_second" of the level clock
  AnimationPtr m_clockSegment;  // "_segment" of the level clock
  AnimationPtr m_plate;         // the layout's "_plate"
  bool m_finished = false;      // the game screen leaves the level when it is set
  CWallClock m_wallClock;
  AnimationPtr m_hudRoot;
  const LevelDescription* m_levelDesc = nullptr;  // the levels data's, not owned
  bool m_hoverShown = false;
  float m_hoverX = 0.0f;
  float m_hoverY = 0.0f;
  float m_hoverTime = 0.0f;  // ms the mouse rested on (m_hoverX, m_hoverY)
  std::string m_levelKey;
  int m_lastPlace = 7;  // the place UpdateResult last wrote
  float m_freezeTime = 0.0f;
  CStandingsPanel m_standings;
  CTurnirStrategy m_turnir;
  AnimationPtr m_itemDelivery;  // "interfaces.item_delivery"
  std::vector<LevelOrderRecord> m_orderRecords;
  PlayerProfile* m_profile = nullptr;  // the current player's, not owned
  CBonusIconRow m_bonusRow;
  AnimationPtr m_ring;  // the layout's "_ring"
  GF::THolder<GF::IScreen> m_screen;
  GF::THolder<CDeliveryButton> m_deliveryButton;
  AnimationPtr m_hider;  // the bonus-level cursor
  bool m_introDone = true;
  bool m_upgradeFlag = false;

 private:
  void UpdateHover(const float& dt);
  void OnDeliveryClicked(GF::THolder<GF::HGENS::CBaseControl> control, const GF::TPoint<int>& point,
                         int buttons);
  // Drops the delivery button and its click delegate.
  void ReleaseDeliveryButton();
};

// Opens the field's speech balloon with the text at the position (its shape depends on
// where it stands), closing the one open before; an empty text only closes.
void ShowSpeechBalloon(const std::wstring& text, const GF::TPoint<float>& position,
                       CGameFieldBase& field);

// The level-complete banner n ("interfaces.level_complete_" + n) on the field's chain; the
// fourth (a lost level) says "oops" first.
void ShowLevelCompleteBanner(CGameFieldBase& field, int n);
