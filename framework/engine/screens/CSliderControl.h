#pragma once

#include "framework/core/IAnimation.h"
#include "framework/core/TEventList.h"
#include "framework/core/THolder.h"
#include "framework/core/TPoint.h"
#include "framework/engine/screens/CButtonControl.h"

namespace GF::HGENS {

// An integer slider: a button whose "_cursor" part moves along a straight track and whose
// optional "_progress" part follows the value. The animation's "all" sequence moves the
// cursor from the minimum end (its start) to the maximum end (its end); the slider measures
// both. The value changes by dragging the cursor, clicking the track, the optional step
// buttons "_up" and "_down" beside it in the screen's layout, and by the owner.
class CSliderControl : public CButtonControl {
 public:
  CSliderControl() = default;
  ~CSliderControl() override;

  void Create(const std::string& name, THolder<IScreen> screen) override;
  bool UpdateIfVisible(const float& dt) override;
  void OnOver(THolder<CBaseControl> control) override;
  void OnLeave(THolder<CBaseControl> control) override;
  void OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void OnVisibleChanged(THolder<CBaseControl> control) override;
  void OnEnabledChanged(THolder<CBaseControl> control) override;
  // The slider shows its value, not looks.
  void UpdateLook() override {}
  virtual void OnValueChanged(THolder<CBaseControl> control);

  // Swapped when minimum > maximum; an empty range [v, v] becomes [v, v + 1].
  void SetRange(int minimum, int maximum);
  void SetHorizontal(bool horizontal) { m_horizontal = horizontal; }
  // Clamps to the range. Once measured (and not forced) the cursor moves and, unless a drag
  // is under way, the value-changed event fires; otherwise the animation shows the value by
  // its own keys and nothing fires.
  void SetValue(int value, bool force);
  void StepDown() { SetValue(m_value - m_step, false); }
  void StepUp() { SetValue(m_value + m_step, false); }
  void SetStep(int step) { m_step = step; }

  int GetValue() const { return m_value; }
  int GetMinimum() const { return m_minimum; }
  int GetMaximum() const { return m_maximum; }
  int GetStep() const { return m_step; }
  bool IsDragging() const { return m_dragging; }
  // Where the cursor part stands; (0, 0) without one.
  TPoint<float> GetCursorPosition() const {
    return m_cursor ? m_cursor->GetPosition() : TPoint<float>{};
  }
  const THolder<CButtonControl>& GetDecreaseButton() const { return m_decrease; }
  const THolder<CButtonControl>& GetIncreaseButton() const { return m_increase; }

  TEventList<THolder<CBaseControl>> valueChangedEvent;

 private:
  using AnimationPtr = IAnimation::AnimationPtr;

  void OnDecreaseClicked(THolder<CBaseControl>, const TPoint<int>&, int) { StepDown(); }
  void OnIncreaseClicked(THolder<CBaseControl>, const TPoint<int>&, int) { StepUp(); }
  THolder<CButtonControl> MakeStepButton(IScreen& screen, const std::string& name,
                                         void (CSliderControl::*handler)(THolder<CBaseControl>,
                                                                         const TPoint<int>&, int));
  void UpdateStepButtons();
  // Where "all" puts the cursor at its start and its end.
  void MeasureEnds();
  float Fraction(int value) const;
  // The value that the cursor's place stands for; the current value without a track.
  int ValueFromCursor() const;
  // The coordinate along the track, clamped between its ends, given to the cursor.
  void MoveCursorTo(float along);
  void ShowValueFrame(IAnimation& animation, int value);
  void EndDrag();
  void ShowEnabledLook();

  float m_enabledLookTime = 0.0f;
  int m_minimum = 0;
  int m_maximum = 100;
  int m_value = 0;
  TPoint<float> m_dragStartMouse{0.0f, 0.0f};
  TPoint<float> m_dragStartCursor{0.0f, 0.0f};
  TPoint<float> m_cursorStart{0.0f, 0.0f};
  TPoint<float> m_cursorEnd{0.0f, 0.0f};
  float m_trackWidth = 0.0f;
  float m_trackHeight = 0.0f;
  bool m_measured = false;
  AnimationPtr m_cursor;
  AnimationPtr m_progress;
  bool m_dragging = false;
  bool m_horizontal = true;
  THolder<CButtonControl> m_decrease;
  THolder<CButtonControl> m_increase;
  int m_step = 10;
};

}  // namespace GF::HGENS
