#include "framework/core/IDataInputStream.h"

namespace GF {

bool IDataInputStream::Open(const char* path) {
  std::wstring wide;
  for (const char* c = path; *c != '\0'; ++c) wide.push_back(static_cast<unsigned char>(*c));
  return Open(wide);
}

}  // namespace GF
