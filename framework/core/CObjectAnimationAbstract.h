#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/IObjectAnimation.h"

namespace GF {

template <class Holder>
class CObjectAnimationAbstract;

// The common part of scene objects made from object data of interface D: the playing flag,
// the owning node and the data.
template <class D>
class CObjectAnimationAbstract<THolder<D>> : public virtual IObjectAnimation {
 public:
  bool IsPlaying() const override { return playing_; }
  const std::string& GetName() const override {
    static const std::string kNoName;
    return data_ ? data_->GetName() : kNoName;
  }
  THolder<IObjectData> GetObjectData() const override { return data_; }
  TSmartIPtr<IAnimation, kIdAnimation> GetAnimation() const override { return animation_; }
  void SetAnimation(const TSmartIPtr<IAnimation, kIdAnimation>& animation) override {
    // Keep this object alive while it moves: the old node may hold its last reference.
    const TSmartIPtr<IObjectAnimation, kIdObjectAnimation> self(this);
    if (const auto old = animation_) old->RemoveObject(self);
    animation_ = animation;
    if (animation_) animation_->AddObject(self);
  }
  void SetPlaying(bool playing) override { playing_ = playing; }

 protected:
  bool playing_ = true;
  TSmartIPtr<IAnimation, kIdAnimation> animation_;
  THolder<D> data_;
};

}  // namespace GF
