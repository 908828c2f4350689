#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// One texture file and its engine texture: path + ".png" through the engine's loader, else
// path + ".jp2" (JPEG-2000 colour) with the alpha of the GIF mask "m_" + file + ".gif".
class CTexture : public GF::CRefCount {
 public:
  CTexture(std::string name, std::string path);
  ~CTexture() override;
  CTexture(const CTexture&) = delete;
  CTexture& operator=(const CTexture&) = delete;

  // Loads the file when no engine texture is held yet; true when one is held afterwards.
  // A missing file fails quietly, a corrupt one logs "Can't load" with its ".jp2" name.
  bool Load();
  // Frees the engine texture; the next Load reads the file again.
  void Free();

  EngineTexture GetTexture() const { return m_texture; }
  const std::string& GetName() const { return m_name; }
  const std::string& GetPath() const { return m_path; }

  // The mask file of a path: "m_" before the file part (after the last backslash), ".gif".
  static std::string MaskName(const std::string& path);

 private:
  EngineTexture LoadJp2();

  Engine* m_engine;
  EngineTexture m_texture = 0;
  std::string m_name;
  std::string m_path;  // without extension: "Texture\12", "Font\3\3_000"
};

}  // namespace GF::HGENS
