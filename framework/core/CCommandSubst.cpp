#include "framework/core/CCommandSubst.h"

#include <algorithm>

namespace GF {

std::vector<CommandSubstKey>::iterator FindSubstKeyByAnimation(
    std::vector<CommandSubstKey>::iterator first, std::vector<CommandSubstKey>::iterator last,
    const TSmartIPtr<IAnimation, kIdAnimation>& animation) {
  return std::find_if(first, last, [&](const CommandSubstKey& key) {
    return key.value.animation.Get() == animation.Get();
  });
}

AnimationList::const_iterator FindAnimationByName(const AnimationList& list,
                                                  const std::string& name) {
  return std::find_if(list.begin(), list.end(), [&](const auto& animation) {
    const char* own = animation ? animation->GetName() : nullptr;
    return own && name == own;
  });
}

std::string SubstAnimationName(const CCommandSubstAnimation& entry) {
  return entry.name.substr(0, entry.name.find('.'));
}

void MakeSubstKey(const CCommandSubstAnimation& entry, CommandSubstKey& key) {
  key.duration = entry.time;
  key.mode = kParamHold;
  const size_t point = entry.name.find('.');
  key.value.command = point == std::string::npos ? "all" : entry.name.substr(point + 1);
}

}  // namespace GF
