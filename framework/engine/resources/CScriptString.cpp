#include "framework/engine/resources/CScriptString.h"

#include <angelscript.h>

#include <cassert>
#include <cstdio>
#include <cstring>
#include <new>

using namespace AngelScript;

namespace {

// ---- Operations shared by both registrations ----

CScriptString* NewString(std::string bytes = {}) {
  return new (std::nothrow) CScriptString(std::move(bytes));
}

CScriptString* FactoryEmpty() {
  return NewString();
}
CScriptString* FactoryCopy(const CScriptString& other) {
  return NewString(other.buffer);
}

// Bytes compared as unsigned values, then the shorter string is the smaller.
int Compare(const CScriptString& a, const CScriptString& b) {
  const int c = a.buffer.compare(b.buffer);  // char_traits<char> compares as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
bool Equals(const CScriptString& a, const CScriptString& b) {
  return a.buffer == b.buffer;
}

CScriptString* Concat(const CScriptString& a, const CScriptString& b) {
  return NewString(a.buffer + b.buffer);
}

unsigned char* CharAt(unsigned int i, CScriptString& s) {
  if (i >= s.buffer.size()) {
    if (asIScriptContext* ctx = asGetActiveContext()) ctx->SetException("Out of range");
    return nullptr;
  }
  return reinterpret_cast<unsigned char*>(&s.buffer[i]);
}

unsigned int Length(const CScriptString& s) {
  return static_cast<unsigned int>(s.buffer.size());
}

// The number texts: "%g" for floating point, "%d" and "%u" for integers.
std::string NumberText(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}
std::string NumberText(float v) {
  return NumberText(static_cast<double>(v));
}
std::string NumberText(int v) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", v);
  return text;
}
std::string NumberText(unsigned int v) {
  char text[16];
  std::snprintf(text, sizeof text, "%u", v);
  return text;
}

template <class T>
CScriptString& AssignNumber(T v, CScriptString& s) {
  s.buffer = NumberText(v);
  return s;
}
template <class T>
CScriptString& AppendNumber(T v, CScriptString& s) {
  s.buffer += NumberText(v);
  return s;
}
template <class T>
CScriptString* AddNumber(const CScriptString& s, T v) {
  return NewString(s.buffer + NumberText(v));
}
template <class T>
CScriptString* AddNumberFirst(const CScriptString& s, T v) {
  return NewString(NumberText(v) + s.buffer);
}

// String constants are objects owned by the engine's constant table. A constant keeps its
// bytes up to the first zero byte.
class CScriptStringFactory : public asIStringFactory {
 public:
  const void* GetStringConstant(const char* data, asUINT length) override {
    return NewString(std::string(data, strnlen(data, length)));
  }
  int ReleaseStringConstant(const void* str) override {
    if (!str) return asERROR;
    const_cast<CScriptString*>(static_cast<const CScriptString*>(str))->Release();
    return asSUCCESS;
  }
  int GetRawStringData(const void* str, char* data, asUINT* length) const override {
    if (!str) return asERROR;
    const std::string& bytes = static_cast<const CScriptString*>(str)->buffer;
    if (length) *length = static_cast<asUINT>(bytes.size());
    if (data) std::memcpy(data, bytes.data(), bytes.size());
    return asSUCCESS;
  }
};

CScriptStringFactory& StringFactory() {
  static CScriptStringFactory factory;
  return factory;
}

void Check(int r) {
  assert(r >= 0);
  (void)r;
}

// ---- Generic wrappers ----

CScriptString& Self(asIScriptGeneric* gen) {
  return *static_cast<CScriptString*>(gen->GetObject());
}
CScriptString& Arg(asIScriptGeneric* gen, int i) {
  return *static_cast<CScriptString*>(gen->GetArgAddress(i));
}

void GenFactoryEmpty(asIScriptGeneric* gen) {
  gen->SetReturnAddress(FactoryEmpty());
}
void GenFactoryCopy(asIScriptGeneric* gen) {
  gen->SetReturnAddress(FactoryCopy(Arg(gen, 0)));
}
void GenAddRef(asIScriptGeneric* gen) {
  Self(gen).AddRef();
}
void GenRelease(asIScriptGeneric* gen) {
  Self(gen).Release();
}
void GenAssign(asIScriptGeneric* gen) {
  gen->SetReturnAddress(&Self(gen).Assign(Arg(gen, 0)));
}
void GenAppend(asIScriptGeneric* gen) {
  gen->SetReturnAddress(&Self(gen).Append(Arg(gen, 0)));
}
void GenEquals(asIScriptGeneric* gen) {
  gen->SetReturnByte(Equals(Self(gen), Arg(gen, 0)));
}
void GenCompare(asIScriptGeneric* gen) {
  gen->SetReturnDWord(static_cast<asDWORD>(Compare(Self(gen), Arg(gen, 0))));
}
void GenConcat(asIScriptGeneric* gen) {
  gen->SetReturnAddress(Concat(Self(gen), Arg(gen, 0)));
}
void GenCharAt(asIScriptGeneric* gen) {
  gen->SetReturnAddress(CharAt(gen->GetArgDWord(0), Self(gen)));
}
void GenLength(asIScriptGeneric* gen) {
  gen->SetReturnDWord(Length(Self(gen)));
}

template <class T>
T NumberArg(asIScriptGeneric* gen) {
  if constexpr (std::is_same_v<T, double>) return gen->GetArgDouble(0);
  if constexpr (std::is_same_v<T, float>) return gen->GetArgFloat(0);
  if constexpr (std::is_same_v<T, int>) return static_cast<int>(gen->GetArgDWord(0));
  if constexpr (std::is_same_v<T, unsigned int>) return gen->GetArgDWord(0);
}
template <class T>
void GenAssignNumber(asIScriptGeneric* gen) {
  gen->SetReturnAddress(&AssignNumber(NumberArg<T>(gen), Self(gen)));
}
template <class T>
void GenAppendNumber(asIScriptGeneric* gen) {
  gen->SetReturnAddress(&AppendNumber(NumberArg<T>(gen), Self(gen)));
}
template <class T>
void GenAddNumber(asIScriptGeneric* gen) {
  gen->SetReturnAddress(AddNumber(Self(gen), NumberArg<T>(gen)));
}
template <class T>
void GenAddNumberFirst(asIScriptGeneric* gen) {
  gen->SetReturnAddress(AddNumberFirst(Self(gen), NumberArg<T>(gen)));
}

// ---- Registration ----

// One function in both forms: the native pointer with its convention, or the generic one.
struct Fn {
  asSFuncPtr native;
  asDWORD convention;
  asSFuncPtr generic;
};

class Registrar {
 public:
  Registrar(asIScriptEngine* engine, bool generic) : engine_(engine), generic_(generic) {}

  void Behaviour(asEBehaviours behaviour, const char* decl, const Fn& fn) {
    Check(engine_->RegisterObjectBehaviour("string", behaviour, decl, Ptr(fn), Conv(fn)));
  }
  void Method(const char* decl, const Fn& fn) {
    Check(engine_->RegisterObjectMethod("string", decl, Ptr(fn), Conv(fn)));
  }

 private:
  const asSFuncPtr& Ptr(const Fn& fn) const { return generic_ ? fn.generic : fn.native; }
  asDWORD Conv(const Fn& fn) const {
    return generic_ ? static_cast<asDWORD>(asCALL_GENERIC) : fn.convention;
  }

  asIScriptEngine* engine_;
  bool generic_;
};

template <class T>
void RegisterNumber(Registrar& r, const char* type) {
  const std::string t = type;
  r.Method(("string &opAssign(" + t + ")").c_str(),
           {asFUNCTIONPR(AssignNumber<T>, (T, CScriptString&), CScriptString&),
            asCALL_CDECL_OBJLAST, asFUNCTION(GenAssignNumber<T>)});
  r.Method(("string &opAddAssign(" + t + ")").c_str(),
           {asFUNCTIONPR(AppendNumber<T>, (T, CScriptString&), CScriptString&),
            asCALL_CDECL_OBJLAST, asFUNCTION(GenAppendNumber<T>)});
  r.Method(("string@ opAdd(" + t + ") const").c_str(),
           {asFUNCTIONPR(AddNumber<T>, (const CScriptString&, T), CScriptString*),
            asCALL_CDECL_OBJFIRST, asFUNCTION(GenAddNumber<T>)});
  r.Method(("string@ opAdd_r(" + t + ") const").c_str(),
           {asFUNCTIONPR(AddNumberFirst<T>, (const CScriptString&, T), CScriptString*),
            asCALL_CDECL_OBJFIRST, asFUNCTION(GenAddNumberFirst<T>)});
}

void Register(asIScriptEngine* engine, bool generic) {
  Check(engine->RegisterObjectType("string", sizeof(CScriptString), asOBJ_REF));
  Registrar r(engine, generic);
  r.Behaviour(asBEHAVE_FACTORY, "string @f()",
              {asFUNCTION(FactoryEmpty), asCALL_CDECL, asFUNCTION(GenFactoryEmpty)});
  r.Behaviour(asBEHAVE_FACTORY, "string @f(const string &in)",
              {asFUNCTION(FactoryCopy), asCALL_CDECL, asFUNCTION(GenFactoryCopy)});
  r.Behaviour(asBEHAVE_ADDREF, "void f()",
              {asMETHOD(CScriptString, AddRef), asCALL_THISCALL, asFUNCTION(GenAddRef)});
  r.Behaviour(asBEHAVE_RELEASE, "void f()",
              {asMETHOD(CScriptString, Release), asCALL_THISCALL, asFUNCTION(GenRelease)});
  r.Method("string &opAssign(const string &in)",
           {asMETHOD(CScriptString, Assign), asCALL_THISCALL, asFUNCTION(GenAssign)});
  r.Method("string &opAddAssign(const string &in)",
           {asMETHOD(CScriptString, Append), asCALL_THISCALL, asFUNCTION(GenAppend)});
  Check(engine->RegisterStringFactory("string", &StringFactory()));
  r.Method("bool opEquals(const string &in) const",
           {asFUNCTION(Equals), asCALL_CDECL_OBJFIRST, asFUNCTION(GenEquals)});
  r.Method("int opCmp(const string &in) const",
           {asFUNCTION(Compare), asCALL_CDECL_OBJFIRST, asFUNCTION(GenCompare)});
  r.Method("string@ opAdd(const string &in) const",
           {asFUNCTION(Concat), asCALL_CDECL_OBJFIRST, asFUNCTION(GenConcat)});
  r.Method("uint8 &opIndex(uint)",
           {asFUNCTION(CharAt), asCALL_CDECL_OBJLAST, asFUNCTION(GenCharAt)});
  r.Method("const uint8 &opIndex(uint) const",
           {asFUNCTION(CharAt), asCALL_CDECL_OBJLAST, asFUNCTION(GenCharAt)});
  r.Method("uint length() const",
           {asFUNCTION(Length), asCALL_CDECL_OBJLAST, asFUNCTION(GenLength)});
  RegisterNumber<double>(r, "double");
  RegisterNumber<float>(r, "float");
  RegisterNumber<int>(r, "int");
  RegisterNumber<unsigned int>(r, "uint");
}

}  // namespace

void CScriptString::Release() {
  if (--refCount == 0) delete this;
}

CScriptString& CScriptString::Assign(const CScriptString& other) {
  buffer = other.buffer;
  return *this;
}

CScriptString& CScriptString::Append(const CScriptString& other) {
  buffer += other.buffer;
  return *this;
}

void RegisterScriptString(asIScriptEngine* engine) {
  Register(engine, false);
}

void RegisterScriptStringGeneric(asIScriptEngine* engine) {
  Register(engine, true);
}
