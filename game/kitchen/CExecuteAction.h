#pragma once

#include "framework/core/IDelegate.h"
#include "framework/core/TEventList.h"
#include "game/kitchen/CActionBase.h"

// Calls a function once, when started, and is done at once: the last link of a chain that
// has to do something (end a level, open a screen, show a banner).
class CExecuteAction : public CActionBase {
 public:
  using Delegate = GF::THolder<GF::IDelegate0<void>>;

  // A null delegate makes an action that only finishes.
  explicit CExecuteAction(const Delegate& delegate);

  void Start() override;

 private:
  GF::TEventList<> m_event;
};

CActionBase::Holder MakeExecuteAction(const CExecuteAction::Delegate& delegate);
