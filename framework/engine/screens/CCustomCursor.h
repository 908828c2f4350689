#pragma once

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/engine/app/ICustomCursor.h"

namespace GF::HGENS {

// The custom cursor: an animation from the resources that follows the mouse while the
// system cursor is hidden. The screen host updates it and draws it over everything.
class CCustomCursor : public ICustomCursor {
 public:
  using AnimationPtr = TSmartIPtr<IAnimation, kIdAnimation>;

  ~CCustomCursor() override;

  // Hands the maker of the one cursor to the application shell's service providers.
  static void InstallProvider();

  // The animation data "module.name" plays its "all" under the mouse, the system cursor
  // hidden; unknown data leaves the system cursor shown and no custom cursor.
  void Enable(const std::string& animationName) override;
  // Back to the system cursor; nothing happens while there is no custom cursor.
  void Disable() override;
  // Follows the mouse (logical coordinates) and advances the animation by dt ms.
  void Update(const float& dt) override;
  // Only while the cursor is on the logical screen.
  void Render() override;

  const AnimationPtr& GetAnimation() const { return m_animation; }

 private:
  void DropAnimation();

  AnimationPtr m_animation;
};

}  // namespace GF::HGENS
