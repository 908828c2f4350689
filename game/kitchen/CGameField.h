#pragma once

#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/engine/particles/CFGParticle.h"
#include "game/app/LevelDescription.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CReceptPanel.h"
#include "game/kitchen/CZacaz.h"

// The field of every kitchen level: it owns the level's devices and ingredient sources, the
// cook, the customers' order panel and the level's order script. Loading a level lays out
// the floor, places the devices hidden (the intro shows them), swaps in the stage's upgraded
// devices, shuffles the order script, dresses the cook for the stage's upgrade, lines up the
// rival cooks and applies the stage's upgrade to the level's tuning.
//
// Each frame runs the base's frame, the order panel's routine, the field's own routine
// (intro, playing or closing) and the cook's. While playing, one click a frame becomes the
// cook's work: a bubble selects its order, the plate serves a complete order, a device or
// ingredient sends the cook there, the floor walks her. Customers come on the arrival timer
// from the order records used as a ring until the level clock closes the restaurant; the
// level ends once the last order has gone, or at once when a duel's special orders run out.
class CGameField : public CGameFieldBase {
 public:
  static GF::THolder<CGameField> Create();
  CGameField();
  ~CGameField() override;

  // The base's points, then the player's place in the profile.
  void AddScore(float points) override;
  // The device whose catalogue entry has the same shown name as the key's, the last one
  // that counts, stopping at the first shown and active one; with availableOnly only shown
  // and active ones count. Null for a key the catalogue lacks or no such device.
  GF::THolder<CCookObject> FindObject(const std::string& key, bool availableOnly) override;
  // The tips lose their strategy, actions stop, the rivals and the order panel let the
  // field go, and the speech balloon closes.
  void Shutdown() override;
  // The base's load, then the floor, devices, order script, cook, place, rivals, upgrade
  // and tips. A level without a usable floor (fewer than four corners, no depth or no front
  // width) is logged and refused like a missing one.
  bool LoadLevel(const std::string& levelKey) override;
  void SetupPlates(AnimationPtr layout) override;
  // The base's HUD; the order panel then knows its field.
  void BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen) override;
  // Writes the player's place to the profile when it changed.
  void UpdateResult() override;
  void Update(const float& dt) override;
  // Under a modal screen: effects move, but no order loses patience.
  void UpdateEffectsOnly(const float& dt) override;
  // Actions, the cook and a plate still showing pause; an open hover balloon closes.
  void SetPause(bool paused) override;
  // The next customer, when the queue has room: the order records are used as a ring, and
  // a special record (101, 102) takes its own next free record and lets one more join.
  void AddNextCustomer() override;
  // Queues the first free order record of that type; false when none is left or the panel
  // refuses it. The rival's order (102) starts cooking itself.
  bool AddOrder(int type) override;
  // Counts, pays through the show action and, for the last special order of a duel, ends
  // the level with its result.
  void OnOrderServed(GF::THolder<CZacaz> order) override;
  void OnDelivery() override;
  void OnOrderExpired(RecipeRecord recipe) override;
  // The rival's orders carry no bonus.
  void CreateBonus(const BonusDescription& record, AnimationPtr icon,
                   GF::THolder<CZacaz> order) override;
  // Once: books the result, logs it, shows the banner and closes once the chain has run.
  void EndLevel() override;
  // The hint button, once charged: the plate lights up for a complete order, else the
  // device holding the selected order's next item; nothing to light keeps the charge.
  void UseHint() override;
  // While playing, resting on a device shows its name in the speech balloon.
  void OnHoverStart(const GF::TPoint<float>& mouse) override;
  void OnHoverEnd(const GF::TPoint<float>& mouse) override;
  // Developer keys, only in cheat mode: 6 wins the level, 8 puts on the next dress, 10
  // starts the level's next bonus, 14 runs the level four times as fast.
  void OnKeyDown(int code) override;
  // A fetched ingredient source hides and comes back once PendingItemDelay has passed.
  void AddDelayedObject(GF::THolder<CCookObject> device) override;
  // The intro chain: on the last stage's first level its window first, then a newly
  // upgraded device's introduction; the devices appear, the plate and the clock show, the
  // count-down runs and the first customer comes.
  void StartLevel() override;
  // The shown and active device holding the selected order's next item; null without an
  // order, an item left or such a device.
  GF::THolder<CCookObject> FindNextNeededObject(bool advance) override;
  const CookObjects& GetCookObjects() const override { return m_cookObjects; }
  CReceptPanel* GetReceptPanel() override { return &m_receptPanel; }
  GF::THolder<CPers> GetPers() const override { return m_pers; }
  // The base's reset, then the order panel empties and the cook and the devices leave.
  void Reset() override;

  // The first device of the list under the point; null for none.
  GF::THolder<CCookObject> ObjectAt(const GF::TPoint<float>& point) const;

  // A click on a device or ingredient source: the cook walks there and fetches what the
  // selected order needs of it; anything else is refused.
  virtual void OnObjectClicked(GF::THolder<CCookObject> device);
  // The level clock: idle time, the freeze, the blinking and ticking near the end, the hand,
  // closing time and the end, or the customers' arrivals.
  virtual void UpdateLevelTime(const float& dt);
  // The hidden sources whose delay has passed reappear together.
  virtual void UpdateDelayedObjects(const float& dt);
  // The refused click's feedback: with no chain pending a tip and the cook's shrug; always
  // sound 5.
  void RejectClick(bool itemInOrder, bool deviceBusy);
  // The first order record of the type not yet taken, or -1.
  int FindFreeOrderRecord(int type);

  bool IsIntroRunning() const { return m_routine == &CGameField::UpdateIntro; }
  bool IsPlaying() const { return m_routine == &CGameField::UpdatePlaying; }
  bool IsClosed() const { return m_closed; }
  // EndLevel has run.
  bool IsStopped() const { return m_stopped; }

  // The device an upgrade replaced in this level and its successor, while the intro is to
  // introduce it; null otherwise.
  GF::THolder<CCookObject> GetOldDevice() const { return m_oldDevice; }
  GF::THolder<CCookObject> GetNewDevice() const { return m_newDevice; }
  int GetQueueCapacity() const { return m_queueCapacity; }
  // The last stage's hint window, from the first level of that stage's start on; null in
  // every other level.
  AnimationPtr GetLastStageHint() const { return m_lastStageHint; }

 protected:
  // How many customers queue at once; the hidden-object field takes one or none.
  void SetQueueCapacity(int capacity) { m_queueCapacity = capacity; }

  // Cleared by the hidden-object field, whose objects are never upgraded.
  bool m_upgradeDevices = true;

 private:
  using Routine = void (CGameField::*)(const float& dt);
  struct PendingEntry {
    float elapsed = 0.0f;  // ms
    GF::THolder<CCookObject> device;
  };

  void UpdateIntro(const float& dt);
  void UpdatePlaying(const float& dt);
  void UpdateClosing(const float& dt);
  // The hint's charge fills the delivery bar and enables the button once full; an idle cook
  // walks back to the counter.
  void UpdateHintCharge(const float& dt);
  void ShowHintIconParticles();
  void SpendHint();
  // While a complete order waits on the plate: now and then a fog puff beside it.
  void ShowPlateEffect(const float& dt);
  // The device under the cursor brightens, the one left fades back.
  void UpdateDeviceHighlight(const float& dt);
  void CreateNextBonus();
  // A device the stage's upgrade replaced: the cook walks up to it, the old one fades into
  // the new one under a sparkle while a hint box names it, and she walks back.
  void IntroduceNewDevice();
  // The sparkle over the new device comes, or goes.
  void ToggleNewDeviceHint();
  // The last stage's opening window: five pages, each turned by its "OK", the last one left
  // by "Continue" (greyed until then); then the manual opens and the count-down follows.
  void ShowLastStageHint();
  // The frame's click, when one arrived.
  void HandleClick(const GF::TPoint<float>& at);
  void CloseRestaurant();
  void RemindDelivery();
  // The last special order of its type was served: the other order gets the failed dish,
  // the result is booked and the level ends.
  void EndDuel(const GF::THolder<CZacaz>& order, float result);
  // The floor cell in front of a device, shifted across by `across` cells.
  GF::TPoint<float> CellBefore(const CCookObject& device, float across) const;
  // Makes the slot's device, or the stage's upgraded device in its place.
  GF::THolder<CCookObject> CreateDevice(const DeviceSlot& slot);
  void CreateDevices();
  // The order script: type 1 marks the current length, type 2 shuffles the orders queued
  // since the mark, every other record is an order.
  void BuildOrderRecords();
  // Dresses the cook for the stage's upgrade level (one past the dresses, or below 0, is
  // stored back as 0).
  void CreateCook();
  void SetupRivals();
  void ApplyUpgrade();
  void RemoveDevices();

  CReceptPanel m_receptPanel;
  GF::THolder<CPers> m_pers;
  CookObjects m_cookObjects;
  int m_queueCapacity = 0;
  Routine m_routine = &CGameField::UpdateIntro;
  std::vector<PendingEntry> m_pending;
  int m_nextOrderRecord = 0;
  float m_arrivalTimer = 0.0f;  // ms since the last customer
  bool m_closed = false;        // closing time has come
  float m_plateEffectTimer = 0.0f;
  bool m_clockBlinking = false;
  float m_idleTimer = 0.0f;       // ms since the last chain ended
  std::vector<bool> m_orderBits;  // records AddOrder took
  float m_tickTimer = 0.0f;       // ms to the next tick of the last seconds
  float m_savedPatienceFactor = 1.0f;
  bool m_stopped = false;                   // EndLevel has run
  float m_hintCharge = 0.0f;                // ms toward the next hint
  GF::THolder<CCookObject> m_highlightIn;   // brightening under the cursor
  GF::THolder<CCookObject> m_highlightOut;  // fading back
  float m_highlightInRamp = 0.0f;           // ms
  float m_highlightOutRamp = 0.0f;
  GF::THolder<CCookObject> m_oldDevice;
  GF::THolder<CCookObject> m_newDevice;
  GF::THolder<GF::HGENS::CFGParticle> m_newDeviceParticle;
  AnimationPtr m_lastStageHint;  // the level's end waits while it plays
};

// Shuffles the records from `from` to the end of the list in place: each position i after
// the first swaps with one drawn from 0 to i of the range.
void ShuffleOrderRecords(std::vector<LevelOrderRecord>& records, std::size_t from);
// The effect of the stage's upgrade on the level's tuning, by the upgrade's name: the first
// of the known names it holds wins. Returns whether it named one.
bool ApplyUpgradeName(const std::string& name, CGameFieldBase& field);
