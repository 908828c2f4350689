#pragma once

#include "framework/core/THolder.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CZacaz.h"

// A device cooking one recipe item of an order: the order shows the work indicator filling,
// the device's work sound repeats every 4000 ms of work, and at the end the item is done.
// An order that leaves meanwhile ends the work with nothing completed. Upgraded devices
// ("UPG_" in the key) work a third faster; the cooking-speed tuning value scales every work.
class CWorkObjectAction : public CActionBase {
 public:
  CWorkObjectAction(GF::THolder<CCookObject> device, GF::THolder<CZacaz> order, int item);
  void Start() override;
  void Update(const float& dt) override;
  void Notify(bool paused) override;
  // Stopped before its end (the level is left or reset): the work ends quietly and the
  // device is free again. After a normal end nothing is left to do.
  void Finish() override;
  float GetDuration() const { return m_duration; }
  float GetElapsed() const { return m_elapsed; }

 private:
  void PlayWorkSound() const;
  void End(bool quiet);
  GF::THolder<CGameFieldBase> Field() const;

  int m_item;
  float m_elapsed = 0.0f;
  float m_duration = 0.0f;
  GF::THolder<CCookObject> m_device;
  GF::THolder<CZacaz> m_order;
  float m_soundTimer = 0.0f;
  bool m_working = false;  // between the start and the end of the device's work
};

CActionBase::Holder MakeWorkObjectAction(GF::THolder<CCookObject> device, GF::THolder<CZacaz> order,
                                         int item);
