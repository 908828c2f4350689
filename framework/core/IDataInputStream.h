#pragma once

#include <string>

#include "framework/core/CInputStream.h"
#include "framework/core/CRefCount.h"

namespace GF {

// A counted input stream that is opened by path (a file, or a whole resource file); its
// reads go through the CInputStream part.
class IDataInputStream : public CRefCount, public CInputStream {
 public:
  // The narrow path widened unit by unit, then the wide Open.
  virtual bool Open(const char* path);
  virtual bool Open(const std::wstring& path) = 0;
};

}  // namespace GF
