#pragma once

#include <string>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "game/kitchen/CCookObject.h"
#include "game/kitchen/CGameFieldBase.h"

// The spot-the-difference bonus level: two pictures of 400 pixels side by side, built from
// the level's objects. An object without a twin (same item at the mirrored place in the
// other picture) is a difference; a click on it, or on the empty place across from it,
// copies it into the other picture. The level ends when all are found or the time runs out.
class CDiferenceGameField : public CGameFieldBase {
 public:
  using ObjectPtr = GF::THolder<CCookObject>;

  static GF::THolder<CGameFieldBase> Create();
  CDiferenceGameField();
  ~CDiferenceGameField() override;

  bool LoadLevel(const std::string& levelKey) override;
  void SetupPlates(AnimationPtr layout) override;
  void SetPause(bool paused) override;
  void Update(const float& dt) override;
  void BuildHUD(AnimationPtr hudRoot, GF::THolder<GF::IScreen> screen) override;
  void OnKeyDown(int code) override;
  void EndLevel() override;
  void StartLevel() override;
  void Reset() override;

  // The object under the point, the last made first, shown and active ones only; of several
  // there the last made difference wins, so a copy never hides one for good. Null for none.
  ObjectPtr FindObjectAt(const GF::TPoint<float>& point) const;
  // True when no other object of the same item stands within 20 px of its mirrored place.
  bool IsUnpaired(const CCookObject& object) const;

  const std::vector<ObjectPtr>& GetObjects() const { return m_objects; }
  int GetFound() const { return m_found; }
  int GetTotal() const { return m_total; }
  AnimationPtr GetMirrorCursor() const { return m_mirrorCursor; }

 private:
  using Routine = void (CDiferenceGameField::*)(const float& dt);

  void OnDifferenceFound(const ObjectPtr& object);
  void CreateMirrorCursor();
  void ShowStartParticles();
  void UpdateIntro(const float& dt);
  void UpdatePlaying(const float& dt);
  void UpdateClosing(const float& dt);
  void UpdateLevelTime(const float& dt);
  void UpdateMirrorCursor();
  void TimeOut();
  void ShowCount();

  Routine m_routine = &CDiferenceGameField::UpdateIntro;
  std::vector<ObjectPtr> m_objects;  // the level's objects, then the copies, in creation order
  int m_found = 0;
  int m_total = 0;
  AnimationPtr m_mirrorCursor;
  AnimationPtr m_counterPanel;  // the layout's "_panel"; "_number" shows the differences left
  bool m_blinking = false;
  float m_tickTimer = 0.0f;
};

// A horizontal coordinate in the other picture.
float MirrorX(float x);
