#pragma once

#include <string>

namespace GF {

// One command-substitution entry of an object data: at `time` (ms from the animation's
// start) the substituted animation named by `name` plays; "anim.part" names the part to
// play, a name without a point plays "all".
struct CCommandSubstAnimation {
  float time = 0.0f;
  std::string name;
};

}  // namespace GF
