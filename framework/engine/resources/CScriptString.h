#pragma once

#include <string>

namespace AngelScript {
class asIScriptEngine;
}
using AngelScript::asIScriptEngine;

// The script type "string": a reference-counted byte string. The bytes come first so that a
// pointer to the object is also a pointer to its std::string.
class CScriptString {
 public:
  CScriptString() = default;
  explicit CScriptString(std::string bytes) : buffer(std::move(bytes)) {}
  CScriptString(const CScriptString&) = delete;
  CScriptString& operator=(const CScriptString&) = delete;

  void AddRef() { ++refCount; }
  // At 0 the object deletes itself.
  void Release();

  CScriptString& Assign(const CScriptString& other);
  CScriptString& Append(const CScriptString& other);

  std::string buffer;

 private:
  ~CScriptString() = default;

  int refCount = 1;
};

// Registers "string" with native calling conventions.
void RegisterScriptString(asIScriptEngine* engine);
// The same declarations, every function as a generic wrapper (for AS_MAX_PORTABILITY builds).
void RegisterScriptStringGeneric(asIScriptEngine* engine);
