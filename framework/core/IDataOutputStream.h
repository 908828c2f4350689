#pragma once

#include <string>

#include "framework/core/COutputStream.h"
#include "framework/core/CRefCount.h"

namespace GF {

// A counted output stream that is opened by path; its writes go through the COutputStream
// part.
class IDataOutputStream : public CRefCount, public COutputStream {
 public:
  // Ends the stream. False when any write or the close itself failed, so a caller never
  // takes a lost write for a saved file.
  virtual bool Close() = 0;
  // Creates or truncates the file.
  virtual bool Open(const std::wstring& path) = 0;
};

}  // namespace GF
