#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/IScene.h"
#include "framework/core/THolder.h"
#include "game/screens/CWaveEffect.h"

// The stage curtain between screens: two cloth halves that spread over the screen while it
// closes and gather at the sides while it opens. One curtain serves the whole program: each
// screen puts the halves into its scene, and a run starts only on a one-shot request that
// the flow rules leave in the current player's profile (string 22 for an opening, 23 for a
// closing), whose text names the wave paths and contains "open" or "close".
class CWindowShadesEffect : public GF::CRefCount {
 public:
  enum Mode : int { kOpening = 1, kClosing = 2 };

  // The shared curtain, made on the first call.
  static GF::THolder<CWindowShadesEffect> Create();
  // Takes the halves out of the scene they were last put in and drops the shared curtain;
  // the next Create makes a new one. Run after the screens are gone, before the engine.
  static void ReleaseShared();

  CWindowShadesEffect();

  // Takes (and clears) the request of the mode from the profile and starts a run of
  // duration ms; nothing starts without "open" or "close" in it, or in the direction of the
  // last run.
  void Start(int mode, float duration);
  // The smaller progress of the two halves; 1.0 when no run has started.
  float GetProgress() const;
  // Lists the halves in the scene (once, however often it is asked).
  void SetScene(const GF::THolder<GF::IScene>& scene);
  // Takes the halves out of the scene when they are listed in it.
  void RemoveFromScene(const GF::THolder<GF::IScene>& scene);
  void SetShown(bool shown);

  // Empty when the cloth is missing from the resources.
  const GF::THolder<CWaveEffect>& GetLeftHalf() const { return m_left; }
  const GF::THolder<CWaveEffect>& GetRightHalf() const { return m_right; }
  int GetLastDirection() const { return m_lastDirection; }

 private:
  // The halves from the cloth "effects.shtora"; none, with a log line, when it is missing.
  void BuildCurtains();

  GF::THolder<CWaveEffect> m_left;
  GF::THolder<CWaveEffect> m_right;
  int m_lastDirection = 0;  // 1 opened, 2 closed
  GF::THolder<GF::IScene> m_scene;
  std::string m_request;
};
