// GIF alpha masks as the texture cache applies them to a JPEG-2000 texture (8 x 8 here).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/scene/CTexture.h"
#include "fuzz/FuzzSupport.h"
#include "tools/codecs/ImageEncoders.h"

namespace {

const std::string& TexturePath() {
  static const std::string path = [] {
    const std::string p = pm::fuzz::WorkDir() + "/0";
    const std::vector<std::uint8_t> jp2 =
        pm::codecs::EncodeJp2Argb(8, 8, std::vector<std::uint32_t>(64, 0xFF808080), 1);
    pm::fuzz::WriteFile(p + ".jp2", jp2.data(), jp2.size());
    return p;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pm::fuzz::TheEngine();
  const std::string& path = TexturePath();
  pm::fuzz::WriteFile(pm::fuzz::WorkDir() + "/m_0.gif", data, size);
  const auto texture = GF::MakeHolder<GF::HGENS::CTexture>("fuzz", pm::fuzz::EngineName(path));
  texture->Load();
  return 0;
}
