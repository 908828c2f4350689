#pragma once

#include <cstdint>
#include <optional>

#include "framework/core/CContainerRef.h"
#include "framework/core/DoLine.h"
#include "framework/core/DoNothing.h"
#include "framework/core/THolder.h"
#include "framework/core/TParam.h"

namespace GF {

// One animated property of one live object: its place in the shared key list and its
// current value, evaluated on the owner's clock.
template <int N>
class TParamTrack {
 public:
  using Kind = TParamKind<N>;
  using Value = typename Kind::Value;
  using Key = TKey<N>;
  using Container = TKeyContainer<N>;
  using Interpolator = DoBaseStrategy<Key, float>;

  // A segment found for a time: the key index and the segment's start and end times.
  struct Segment {
    int32_t index = -1;
    float start = 0.0f;
    float end = 0.0f;
  };

  TParamTrack() : keys_(CreateKeyContainer<N>()), current_(DefaultKey()) {}

  // Back to the default value on a fresh, empty key list. The stale length is harmless:
  // an update without keys does nothing.
  void Clear() {
    segment_ = -1;
    current_ = DefaultKey();
    keys_ = CreateKeyContainer<N>();
  }

  // Shares the given key list (of an object data) and takes its length. The owner clears
  // the track first.
  void Attach(const THolder<Container>& keys) {
    keys_ = keys ? keys : CreateKeyContainer<N>();
    CalcLength();
  }

  // Length of the keys: the sum of their durations; for command substitution, whose key
  // float is a time point, the time of the last key. Call again after filling the keys.
  void CalcLength() {
    length_ = 0.0f;
    if constexpr (N == kKindCommandSubst) {
      if (!keys_->empty()) length_ = keys_->back().duration;
    } else {
      for (const Key& key : *keys_) length_ += key.duration;
    }
  }

  Segment FindSegment(float t) const {
    const auto& keys = *keys_;
    const int32_t last = static_cast<int32_t>(keys.size()) - 1;
    Segment seg;
    if (length_ < t) {
      seg = {last, length_, length_};
      return seg;
    }
    if constexpr (N == kKindCommandSubst) {
      // The last key whose time point is at most t.
      for (int32_t i = 0; i <= last; ++i) {
        if (t < keys[i].duration) {
          seg.start = seg.end = keys[i].duration;
          return seg;
        }
        seg.index = i;
      }
      return seg;
    } else {
      // A t equal to a segment's end belongs to the next segment.
      float start = 0.0f;
      for (int32_t i = 0; i <= last; ++i) {
        const float end = start + keys[i].duration;
        if (t < end) return {i, start, end};
        start = end;
      }
      return {last, length_, length_};
    }
  }

  // Evaluates the property at t (ms on the owner's clock); true when the value changed.
  bool Update(const float& t) {
    if (keys_->empty()) return false;
    const Segment seg = FindSegment(t);
    const int32_t count = static_cast<int32_t>(keys_->size());
    const int32_t next = seg.index < count - 1 ? seg.index + 1 : seg.index;
    if constexpr (N == kKindCommandSubst) {
      // Substitutions change only by key: the value holds an animation, not a number.
      const int32_t oldSegment = segment_;
      Evaluate(seg, next, t);
      changed_ = segment_ != oldSegment;
    } else {
      const Value oldValue = current_.value;
      Evaluate(seg, next, t);
      changed_ = !(current_.value == oldValue);  // a NaN counts as changed
    }
    return changed_;
  }

  THolder<Container> GetKeys() const { return keys_; }
  const Value& GetValue() const { return current_.value; }
  const Key& GetCurrent() const { return current_; }
  int32_t GetSegment() const { return segment_; }
  const float& GetTime() const { return time_; }
  const float& GetLength() const { return length_; }
  bool IsChanged() const { return changed_; }
  // An owner that does not evaluate its tracks this frame still reports them unchanged.
  void ResetChanged() { changed_ = false; }

 private:
  static Key DefaultKey() { return Key{Kind::Default(), kParamHold, 0.0f}; }

  void Evaluate(const Segment& seg, int32_t next, float t) {
    if (seg.index != segment_) LoadSegment(seg, next);
    if (Interpolator* interpolator = CurrentInterpolator()) {
      interpolator->Calc(current_, t - seg.start);
      time_ = t;
    }
  }

  void LoadSegment(const Segment& seg, int32_t next) {
    time_ = seg.start;
    segment_ = seg.index;
    current_ = seg.index < 0 ? DefaultKey() : (*keys_)[seg.index];
    // The calculator changes only with the segment; the same one runs while it stays.
    mode_ = current_.mode;
    if (mode_ == kParamLinear) line_.emplace((*keys_)[seg.index], (*keys_)[next]);
  }

  // The calculators live in the track: a frame-by-frame animation changes segment every
  // few frames, and that must not cost an allocation each time.
  Interpolator* CurrentInterpolator() {
    if (mode_ == kParamHold) return &hold_;
    if (mode_ == kParamLinear) return &*line_;
    return nullptr;
  }

  bool changed_ = false;
  THolder<Container> keys_;
  int32_t segment_ = -1;
  Key current_;
  float time_ = 0.0f;
  float length_ = 0.0f;
  int32_t mode_ = -1;  // the current segment's mode; -1 before the first
  DoNothing<Key> hold_;
  std::optional<DoLine<Key>> line_;
};

}  // namespace GF
