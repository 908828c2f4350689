#pragma once

// Lookups of the parts that the framework's controls bind to inside their animations.

#include <string>

#include "framework/core/IAnimation.h"
#include "framework/core/ISubstitutedContainer.h"
#include "framework/core/THolder.h"
#include "framework/engine/scene/IFont.h"

namespace GF::HGENS {

// The animation substituted first into the named drawable of animation; empty when there is
// no such drawable or it hosts no animation.
IAnimation::AnimationPtr FindSubstitutedPart(const IAnimation& animation, const std::string& name);

// The same, for parts a layout must have: a missing part is logged once per animation and
// part name ("[W] PART main_menu.layout/_clock NOT FOUND"), then quietly skipped. A null
// animation gives an empty result without a line (its own lookup was logged).
IAnimation::AnimationPtr FindRequiredPart(const IAnimation::AnimationPtr& animation,
                                          const std::string& name);

// The named drawable of a layout as a place that hosts animations, for places a layout must
// have: a missing one is logged once as in FindRequiredPart.
TSmartIPtr<ISubstitutedContainer, kIdSubstitutedContainer> FindRequiredPlace(
    const IAnimation::AnimationPtr& animation, const std::string& name);

// True when the layout, or the animation hosted by its first object (a layout whose first
// object holds the real menu), has a drawable of that name hosting an animation.
bool LayoutHasPart(const IAnimation::AnimationPtr& layout, const std::string& name);

// The font and the horizontal alignment (0 left, 1 centred, 2 right) of the named text
// sprite; false, with nothing changed, when there is no text sprite of that name.
bool FindTextFont(const IAnimation& animation, const std::string& name, THolder<IFont>& font,
                  int& alignment);

class CBaseControl;

// Plays "click_menu" when the control is clicked and "mouse_over" when the cursor comes
// over it.
void AttachMenuSounds(CBaseControl& control);

}  // namespace GF::HGENS
