#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/THolder.h"
#include "game/app/BonusDescription.h"
#include "game/kitchen/CActionBase.h"
#include "game/kitchen/CFlyObject.h"

class CGameFieldBase;

// A power-up bonus: a timed action that changes one rule of the kitchen for the record's
// duration. Its icon (when it has one) spins off to scale 3 and back; the record's sound
// plays when it lands. When the time is up the icon plays "_hide", leaves its parent and the
// field's bonus row, and the bonus ends its effect. A bonus stopped early ends its effect in
// Finish.
class CBonusBase : public CActionBase {
 public:
  using AnimationPtr = GF::IAnimation::AnimationPtr;

  CBonusBase(GF::THolder<CGameFieldBase> field, const BonusDescription& record,
             AnimationPtr visual);

  void Start() override;
  void Finish() override;
  void Update(const float& dt) override;

  virtual void OnCollected(GF::THolder<CFlyObject> flight);
  virtual void Collect(float x, float y);
  virtual void ShowBanner(const std::string& name);

  const BonusDescription& GetRecord() const { return *m_record; }

 protected:
  // The effect's end: values put back, pictures hidden. Runs once, when the bonus is done or
  // when it is stopped before.
  virtual void OnEnd() {}

  // A tuning value this bonus sets: a change somebody else makes meanwhile becomes the value
  // to put back, so it survives the bonus.
  class TuningRestore {
   public:
    explicit TuningRestore(float& value) : m_value(value) {}
    void Set(float value);
    // Each frame.
    void Track();
    void Restore() { m_value = m_saved; }

   private:
    float& m_value;
    float m_set = 0.0f;
    float m_saved = 0.0f;
  };

  AnimationPtr m_visual;
  GF::THolder<CGameFieldBase> m_field;
  const BonusDescription* m_record;
  GF::THolder<CFlyObject> m_flight;
  float m_remaining = 0.0f;
  bool m_hiding = false;

 private:
  // True while the icon's play runs, for at most kVisualWait ms: an icon held in its part
  // would otherwise keep the bonus for the rest of the level.
  bool WaitForVisual(const float& dt);
  void End();

  float m_visualWait = 0.0f;
  bool m_ended = false;
};
