#include "framework/engine/scene/CTexture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/GifMask.h"
#include "platform/J2K.h"

namespace GF::HGENS {

namespace {

// A whole file read through the engine, freed with it.
class ResourceFile {
 public:
  ResourceFile(Engine* engine, const std::string& name) : m_engine(engine) {
    m_data = engine->ResourceLoad(name.c_str(), &m_size);
  }
  ~ResourceFile() {
    if (m_data) m_engine->ResourceFree(m_data);
  }
  ResourceFile(const ResourceFile&) = delete;
  ResourceFile& operator=(const ResourceFile&) = delete;

  const void* Data() const { return m_data; }
  std::uint32_t Size() const { return m_data ? m_size : 0; }

 private:
  Engine* m_engine;
  void* m_data = nullptr;
  std::uint32_t m_size = 0;
};

// The working record of one JPEG-2000 decode: 4 bytes per pixel, alpha fourth, rows from
// the top, pitch bytes apart. The decoder owns the pixels until the record goes.
struct Jp2Image {
  J2K_Image image = nullptr;
  int width = 0;
  int height = 0;
  std::string message;
  unsigned char* buffer = nullptr;
  int size = 0;
  int pitch = 0;

  Jp2Image() = default;
  Jp2Image(const Jp2Image&) = delete;
  Jp2Image& operator=(const Jp2Image&) = delete;
  ~Jp2Image() { Close(); }

  void Close() {
    if (image) J2K_Close(image);
    image = nullptr;
    width = height = size = pitch = 0;
    buffer = nullptr;
  }

  bool Decode(const void* data, std::size_t bytes) {
    image = J2K_OpenMemory(data, bytes);
    int code = image ? J2K_OK : J2K_getLastError();
    J2K_Info info{};
    if (code == J2K_OK) code = J2K_GetInfoEx(image, &info);
    if (code == J2K_OK) code = J2K_GetResolutionDimensionsByStr(image, nullptr, &width, &height);
    if (code == J2K_OK) code = J2K_Decode(image, &buffer, &size, nullptr, &pitch);
    const bool fits = width > 0 && height > 0 && pitch >= width * 4 &&
                      static_cast<std::int64_t>(pitch) * height <= size;
    if (code == J2K_OK && !fits) code = J2K_ERR_COMPONENTS;
    if (code == J2K_OK) return true;
    Close();
    message = J2K_getErrorStr(code);
    return false;
  }

  // Each pixel's alpha becomes the mask's grey at the same place, over the overlap of the
  // two sizes.
  void ApplyMask(const GifMask& mask) {
    const int rows = std::min(height, mask.height);
    const int cols = std::min(width, mask.width);
    for (int r = 0; r < rows; ++r) {
      unsigned char* px = buffer + static_cast<std::size_t>(r) * pitch;
      const std::uint8_t* grey = mask.grey.data() + static_cast<std::size_t>(r) * mask.width;
      for (int c = 0; c < cols; ++c) px[c * 4 + 3] = grey[c];
    }
  }
};

}  // namespace

CTexture::CTexture(std::string name, std::string path)
    : m_engine(hgeCreate(ENGINE_VERSION)), m_name(std::move(name)), m_path(std::move(path)) {}

CTexture::~CTexture() {
  Free();
  m_engine->Release();
}

void CTexture::Free() {
  if (m_texture) m_engine->TextureFree(m_texture);
  m_texture = 0;
}

std::string CTexture::MaskName(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  const std::size_t file = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(0, file) + "m_" + path.substr(file) + ".gif";
}

bool CTexture::Load() {
  if (m_texture) return true;
  m_texture = m_engine->TextureLoad((m_path + ".png").c_str(), 0);
  if (!m_texture) m_texture = LoadJp2();
  return m_texture != 0;
}

EngineTexture CTexture::LoadJp2() {
  const std::string fileName = m_path + ".jp2";
  Jp2Image jp2;
  {
    const ResourceFile file(m_engine, fileName);
    if (!file.Data()) return 0;
    if (!jp2.Decode(file.Data(), file.Size())) {
      m_engine->Log("Can't load %s", fileName.c_str());
      return 0;
    }
  }
  {
    const ResourceFile maskFile(m_engine, MaskName(m_path));
    GifMask mask;
    if (maskFile.Data() && DecodeGifMask(maskFile.Data(), maskFile.Size(), &mask))
      jp2.ApplyMask(mask);
  }

  const EngineTexture texture = m_engine->TextureCreate(jp2.width, jp2.height);
  std::uint32_t* texels =
      texture ? m_engine->TextureLock(texture, false, 0, 0, jp2.width, jp2.height) : nullptr;
  if (!texels) {
    if (texture) m_engine->TextureFree(texture);
    m_engine->Log("Can't load %s", fileName.c_str());
    return 0;
  }
  const std::size_t stride = static_cast<std::size_t>(m_engine->TextureGetWidth(texture));
  const std::size_t rowBytes = static_cast<std::size_t>(jp2.width) * 4;
  for (int r = 0; r < jp2.height; ++r) {
    std::memcpy(texels + r * stride, jp2.buffer + static_cast<std::size_t>(r) * jp2.pitch,
                rowBytes);
  }
  m_engine->TextureUnlock(texture);
  return texture;
}

}  // namespace GF::HGENS
