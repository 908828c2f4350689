#pragma once

#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "game/app/LevelDescription.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameFieldBase.h"
#include "game/kitchen/CPers.h"
#include "game/kitchen/CReceptPanel.h"

// The field of every kitchen level: it owns the level's devices and ingredient sources, the
// cook, the customers' order panel and the level's order script. Loading a level lays out
// the floor, places the devices hidden (the intro shows them), swaps in the stage's upgraded
// devices, shuffles the order script, dresses the cook for the stage's upgrade, lines up the
// rival cooks and applies the stage's upgrade to the level's tuning.
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

  // The device an upgrade replaced in this level and its successor, while the intro is to
  // introduce it; null otherwise.
  GF::THolder<CCookObject> GetOldDevice() const { return m_oldDevice; }
  GF::THolder<CCookObject> GetNewDevice() const { return m_newDevice; }
  int GetQueueCapacity() const { return m_queueCapacity; }

 protected:
  // Cleared by the hidden-object field, whose objects are never upgraded.
  bool m_upgradeDevices = true;

 private:
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
  GF::THolder<CCookObject> m_oldDevice;
  GF::THolder<CCookObject> m_newDevice;
};

// Shuffles the records from `from` to the end of the list in place: each position i after
// the first swaps with one drawn from 0 to i of the range.
void ShuffleOrderRecords(std::vector<LevelOrderRecord>& records, std::size_t from);
// The effect of the stage's upgrade on the level's tuning, by the upgrade's name: the first
// of the known names it holds wins. Returns whether it named one.
bool ApplyUpgradeName(const std::string& name, CGameFieldBase& field);
