#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/IDrawable.h"
#include "framework/engine/screens/CBaseControl.h"

namespace GF::HGENS {

// The menu button: bound by name to the "_item_" + name part of its screen's layout, whose
// substituted animation it plays as named looks ("_up", "_over", "_down", "_leave",
// "_disabled") while its state changes; it clicks inside "_button_rect" (else inside the
// animation's bounds) and shows the text "item_" + name in its "_text" part. A button that
// found no animation stays inert.
class CButtonControl : public CBaseControl {
 public:
  using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;
  using DrawablePtr = TSmartIPtr<IDrawable, kIdDrawable>;

  void OnDestroy(THolder<CBaseControl> control) override;
  void Create(const std::string& name, THolder<IScreen> screen) override;
  // Starts from the init state, so a cursor already inside turns the button to over at once.
  void Reset(THolder<CBaseControl> control, THolder<IScreen> screen) override;
  void OnOver(THolder<CBaseControl> control) override;
  void OnLeave(THolder<CBaseControl> control) override;
  void OnDown(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void OnUp(THolder<CBaseControl> control, const TPoint<int>& point, int buttons) override;
  void OnVisibleChanged(THolder<CBaseControl> control) override;
  void OnEnabledChanged(THolder<CBaseControl> control) override;
  void UpdateRect() override;

  // The look of the current enabled state.
  virtual void UpdateLook();
  virtual void SetText(const std::wstring& text);
  // Null without an animation or a "_text" part.
  virtual const std::wstring* GetText() const;
  virtual AnimationPtr GetAnimation() const { return m_animation; }

 protected:
  // Plays the named part of the animation once, with the part's own loop count.
  void PlayLook(const char* look);
  // Makes the animation the button's own: its caption "item_" + name, the look of the
  // enabled state, its "_button_rect" and the rectangle. Buttons over an animation that no
  // layout hosts call it after Create; a null animation leaves the button inert.
  void BindAnimation(const AnimationPtr& animation);

 private:
  bool Bind(const AnimationPtr& layout);
  // The rectangle of "_button_rect" when there is one, else the animation's bounds.
  void CopyRect();

  AnimationPtr m_animation;
  DrawablePtr m_rectPart;  // "_button_rect"; may stay empty
  // While clear, the next over plays its look without firing the over event: the over that
  // follows a click is not announced again.
  bool m_overArmed = true;
};

}  // namespace GF::HGENS
