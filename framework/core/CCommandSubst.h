#pragma once

#include <string>
#include <vector>

#include "framework/core/CCommandSubstAnimation.h"
#include "framework/core/IAnimation.h"
#include "framework/core/TParam.h"
#include "framework/core/TSmartIPtr.h"

namespace GF {

// The value of a command-substitution key: which substituted animation plays which part.
struct CCommandSubst {
  TSmartIPtr<IAnimation, kIdAnimation> animation;
  std::string command;
};

template <>
struct TParamKind<kKindCommandSubst> {
  using Value = CCommandSubst;
  static Value Default() { return {}; }
};

using CommandSubstKey = TKey<kKindCommandSubst>;
using AnimationList = std::vector<TSmartIPtr<IAnimation, kIdAnimation>>;

// The first key in [first, last) that plays the given animation; last when none.
std::vector<CommandSubstKey>::iterator FindSubstKeyByAnimation(
    std::vector<CommandSubstKey>::iterator first, std::vector<CommandSubstKey>::iterator last,
    const TSmartIPtr<IAnimation, kIdAnimation>& animation);

// The first animation of the list with that name; the end of the list when none.
AnimationList::const_iterator FindAnimationByName(const AnimationList& list,
                                                  const std::string& name);

// The name of the animation an entry designates: the part before the point, if any.
std::string SubstAnimationName(const CCommandSubstAnimation& entry);

// Fills a key from an entry: its time point, hold mode, and the part to play (after the
// point of the entry's name, "all" without one). The caller sets the animation.
void MakeSubstKey(const CCommandSubstAnimation& entry, CommandSubstKey& key);

}  // namespace GF
