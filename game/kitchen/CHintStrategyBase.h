#pragma once

#include "framework/core/CRefCount.h"
#include "game/app/TipRecord.h"

// What shows and hides the in-game tips: the kitchen field installs one per level
// (InGameTips.SetStrategy) and removes it at its shutdown.
class CHintStrategyBase : public GF::CRefCount {
 public:
  virtual void Show(const TipRecord& tip) = 0;
  virtual void Hide(const TipRecord& tip) = 0;
};
