#pragma once

// What the result screens share: the place a level ended on, the frame update that runs
// their timed steps first, pictures put into a layout's place-holders, and the result texts.

#include <string>
#include <string_view>

#include "framework/core/IAnimation.h"
#include "game/app/ProgressBlock.h"
#include "game/kitchen/CActionWorker.h"
#include "game/screens/CShowHideEffectScreen.h"

// The place of a result value (profile float 5): its integer part modulo 100, so 1 to 4 for
// a level and 1 or 2 for the special results 201 and 202; 0 for no result.
int ResultPlace(float placeValue);

// The best place a level record keeps after a result: a real place (1 or more) replaces a
// greater stored one; a stored 0 (never passed) stays, and so does any place for no result.
int LoweredBestPlace(int storedBest, int place);

// The player's record of the current level (profile string 11), made when missing.
LevelRecord& CurrentLevelRecord();

// "replay" plays the current level again: profile string 11 becomes the level-key override
// (string 31).
void KeepLevelForReplay();

// The text with the first occurrence of the token replaced by value; unchanged without it.
std::wstring ReplaceFirstToken(std::wstring text, std::wstring_view token, std::wstring_view value);

// The text part's own text with its first token replaced (set back unchanged without the
// token). A missing part is skipped. The layout is brought up to date first (by 0 ms), so a
// text not yet drawn has its text.
void ReplacePartToken(GF::IAnimation& layout, const std::string& part, std::wstring_view token,
                      std::wstring_view value);

// Shows the resource animation ("module.object") in the layout's place-holder part, after
// what the place already holds; the new animation, or empty when the part is missing (logged
// once) or the resource has no such animation.
GF::IAnimation::AnimationPtr SubstitutePart(const GF::IAnimation::AnimationPtr& layout,
                                            const std::string& part, const std::string& animation);

// Places an animation made on the layout's scene under the layout's part, its own placement
// and layer counted from the part's. Without the part (logged once) the animation leaves the
// scene instead, and the answer is false.
bool AttachToPart(const GF::IAnimation::AnimationPtr& animation,
                  const GF::IAnimation::AnimationPtr& layout, const std::string& part);

// The level's figures in the text parts "_points" (float 4), "_place", "_dish" (float 6),
// "_round" (its "_round" token := the level number of string 11) and "_place_index" (the
// text "index_" + place). Missing parts are skipped.
void SetResultTexts(GF::IAnimation& layout, const PlayerProfile& profile);

// A result screen: the curtain screen with an action chain that runs before the state
// handler and the scene each frame, so its timed steps pause while another screen is on top.
class CResultScreen : public CCurtainScreen, public CActionWorker {
 public:
  bool Update(const float& dt) override { return UpdateWithActions(dt); }

 protected:
  bool UpdateWithActions(const float& dt);
  // The layout on the screens' layer, then the ribbon of that name and the stage's country
  // in their places, and the result texts.
  void ShowResult(const std::string& ribbon);
  // The action chain's tail is idle: `delay` ms from now, or `opening` more while the curtain
  // is still opening, `action` runs. Nothing while an earlier wait is pending.
  void AppendAfterOpening(float delay, float opening, CActionBase::Holder action);
};
