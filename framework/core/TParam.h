#pragma once

#include <cstdint>

#include "framework/core/TPoint.h"
#include "framework/core/hgeColor.h"

namespace GF {

// One key of an animated property: the value, how the segment that begins here blends, and
// the segment's length in milliseconds (for command substitution: the key's time point).
template <class T, class F, int N>
struct TParam {
  T value{};
  int32_t mode = 0;
  F duration{};
};

// Interpolation modes of a key.
enum : int32_t { kParamHold = 0, kParamLinear = 1 };

// Property kinds: the N of every key, container, interpolator and track.
enum : int {
  kKindFlip = 0,
  kKindResourceId = 1,
  kKindLayer = 2,
  kKindOpacity = 3,
  kKindRotation = 4,
  kKindHotSpot = 5,
  kKindOffset = 6,
  kKindSkew = 7,
  kKindZoom = 8,
  kKindCommandSubst = 9,
  kKindSoundAction = 10,
  kKindParticleCommand = 11,
  kKindColor = 12,
  kKindBlendMode = 13,
  kKindSoundParams = 14,
};

// Value type and track default of each kind. Kind 7 has no keys; kind 9 is declared with
// its value type in CCommandSubst.h.
template <int N>
struct TParamKind;

template <int N, int32_t D>
struct TIntParamKind {
  using Value = int32_t;
  static constexpr Value Default() { return D; }
};

template <>
struct TParamKind<kKindFlip> : TIntParamKind<kKindFlip, 0> {};
template <>
struct TParamKind<kKindResourceId> : TIntParamKind<kKindResourceId, -1> {};
template <>
struct TParamKind<kKindLayer> : TIntParamKind<kKindLayer, 0> {};
template <>
struct TParamKind<kKindSoundAction> : TIntParamKind<kKindSoundAction, 0> {};
template <>
struct TParamKind<kKindParticleCommand> : TIntParamKind<kKindParticleCommand, 0> {};
template <>
struct TParamKind<kKindBlendMode> : TIntParamKind<kKindBlendMode, 0> {};

template <>
struct TParamKind<kKindOpacity> {
  using Value = float;
  static constexpr Value Default() { return 1.0f; }
};
template <>
struct TParamKind<kKindRotation> {
  using Value = float;
  static constexpr Value Default() { return 0.0f; }
};
template <>
struct TParamKind<kKindHotSpot> {
  using Value = TPoint<float>;
  static constexpr Value Default() { return {0.0f, 0.0f}; }
};
template <>
struct TParamKind<kKindOffset> {
  using Value = TPoint<float>;
  static constexpr Value Default() { return {0.0f, 0.0f}; }
};
template <>
struct TParamKind<kKindZoom> {
  using Value = TPoint<float>;
  static constexpr Value Default() { return {1.0f, 1.0f}; }
};
template <>
struct TParamKind<kKindColor> {
  using Value = hgeColor;
  static constexpr Value Default() { return {1.0f, 1.0f, 1.0f, 1.0f}; }
};
template <>
struct TParamKind<kKindSoundParams> {
  using Value = TPoint<int32_t>;
  static constexpr Value Default() { return {0, 0}; }
};

// The key type of kind N.
template <int N>
using TKey = TParam<typename TParamKind<N>::Value, float, N>;

}  // namespace GF
