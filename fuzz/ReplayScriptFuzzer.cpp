// The replay script the engine runs in the deterministic mode.
#include <string>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "platform/ReplayScript.h"

namespace {

// The README's example script, every directive once.
const char* const kSeed = R"(seed 42
step 20
frames 300
@12 keydown 0x0D
@13 keyrepeat 0x0D
@14 keyup 0x0D
@20 move 400 300
@21 buttondown 1
@22 buttonup 1
@23 wheel -1
@30 text Hello\b!\u00e9\s\t\r\e\\ # not a comment
@40 close
@50 focuslost
@51 focusgain
@60 shot frame60.png
)";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string_view seed(kSeed);
  pm::fuzz::WriteSeed("example.replay", {seed.begin(), seed.end()});
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  ReplayScript::Parse(std::string_view(reinterpret_cast<const char*>(data), size), "/", &error);
  return 0;
}
