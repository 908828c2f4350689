#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/core/IDataInputStream.h"
#include "framework/core/THolder.h"

class Engine;

namespace GF::HGENS {

// An input stream over a whole file that the engine loads (from a pack or the disk).
class CBlobReader : public GF::IDataInputStream {
 public:
  CBlobReader();
  ~CBlobReader() override;

  // Frees any file held, then loads the named one; false when the engine finds nothing.
  bool Open(const char* name) override;
  // The name in UTF-8, then the narrow Open.
  bool Open(const std::wstring& name) override;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Skip(std::size_t count) override;
  std::size_t Remaining() const override { return m_size - m_pos; }

 private:
  void Free();

  Engine* m_engine;
  std::uint8_t* m_data = nullptr;
  std::size_t m_size = 0;
  std::size_t m_pos = 0;
};

// A new, empty blob reader.
GF::THolder<CBlobReader> CreateBlobReader();

}  // namespace GF::HGENS
