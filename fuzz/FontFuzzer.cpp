// Bitmap fonts: "Font\<id>.fnt" with its page list, as the registry loads a font, then the
// width of a text in it.
#include <cstddef>
#include <cstdint>

#include "framework/core/THolder.h"
#include "framework/engine/scene/CFont.h"
#include "fuzz/FuzzSupport.h"
#include "platform/OsServices.h"

namespace {

// An id of its own, so the file beside this program is this target's alone.
constexpr int kFontId = 9001;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pm::fuzz::TheEngine();
  static const std::string file =
      Os::GetProgramDirectory() + "Font/" + std::to_string(kFontId) + ".fnt";
  pm::fuzz::WriteFile(file, data, size);
  const auto font = GF::MakeHolder<GF::HGENS::CFont>();
  if (font->Load(kFontId)) font->GetTextWidth(L"Chef \u00C9mile\\nA\\n\\nz~");
  return 0;
}
