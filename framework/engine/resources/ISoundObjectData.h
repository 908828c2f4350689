#pragma once

#include "framework/core/IObjectData.h"

namespace GF {

// The description of a sound of an animation: what to do when, and with which parameters.
class ISoundObjectData : public IObjectData {
 public:
  virtual THolder<TKeyContainer<kKindSoundAction>> GetActionTrack() const = 0;
  virtual THolder<TKeyContainer<kKindSoundParams>> GetSoundParamTrack() const = 0;
};

}  // namespace GF
