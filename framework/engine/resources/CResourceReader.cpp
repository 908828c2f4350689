#include "framework/engine/resources/CResourceReader.h"

#include <angelscript.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

#include "framework/engine/resources/CAnimationData.h"
#include "framework/engine/resources/CBinaryStreamCompilerHelp.h"
#include "framework/engine/resources/CBinaryStreamHelp.h"
#include "framework/engine/resources/CClippingObjectData.h"
#include "framework/engine/resources/CParticleObjectData.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/resources/CScriptString.h"
#include "framework/engine/resources/CSoundObjectData.h"
#include "framework/engine/resources/CSpriteObjectData.h"
#include "framework/engine/resources/CTextSpriteObjectData.h"
#include "framework/engine/scene/CResourceCache.h"
#include "platform/Engine.h"
#include "platform/OsServices.h"

using namespace AngelScript;

namespace GF::HGENS {
namespace {

constexpr const char* kModuleName = "animation";
constexpr const char* kEntry = "void FillResource(CResourceReader@)";
constexpr float kDegreesPerRadian = 57.2957763671875f;

// Appends a key of kind N. With `merge`, a mode-0 key equal to the last of at least two
// keys replaces it: the last key goes and its duration joins the key before it.
template <int N>
void AppendKey(const GF::THolder<GF::TKeyContainer<N>>& keys,
               const typename GF::TParamKind<N>::Value& value, int mode, int time,
               bool merge = false) {
  const GF::TKey<N> key{value, mode, static_cast<float>(time)};
  if (merge && mode == 0 && keys->size() >= 2 && keys->back().value == value) {
    const float duration = keys->back().duration;
    keys->pop_back();
    keys->back().duration += duration;
  }
  keys->push_back(key);
}

// The file on disk for an engine file name: an absolute name as it is, anything else below
// the program's folder; backslashes become the system's separators.
std::filesystem::path DiskPath(const char* name) {
  std::string path(name);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (!path.empty() && path[0] == '/') return path;
  return std::filesystem::path(Os::GetProgramDirectory()) / path;
}

void AddRefReader(CResourceReader* reader) {
  reader->AddRef();
}
void ReleaseReader(CResourceReader* reader) {
  reader->Release();
}
void GenAddRefReader(asIScriptGeneric* gen) {
  static_cast<CResourceReader*>(gen->GetObject())->AddRef();
}
void GenReleaseReader(asIScriptGeneric* gen) {
  static_cast<CResourceReader*>(gen->GetObject())->Release();
}

// Generic-convention callers of the verbs, for libraries without native calls.
template <class T>
T GenericArg(asIScriptGeneric* gen, asUINT i) {
  if constexpr (std::is_same_v<T, int>) return static_cast<int>(gen->GetArgDWord(i));
  if constexpr (std::is_same_v<T, float>) return gen->GetArgFloat(i);
}
template <>
const CScriptString& GenericArg<const CScriptString&>(asIScriptGeneric* gen, asUINT i) {
  return *static_cast<const CScriptString*>(gen->GetArgAddress(i));
}

template <auto Method>
struct GenericVerb;
template <class... Args, void (CResourceReader::*Method)(Args...)>
struct GenericVerb<Method> {
  static void Call(asIScriptGeneric* gen) { Invoke(gen, std::index_sequence_for<Args...>()); }
  template <std::size_t... I>
  static void Invoke(asIScriptGeneric* gen, std::index_sequence<I...>) {
    auto* reader = static_cast<CResourceReader*>(gen->GetObject());
    (reader->*Method)(GenericArg<Args>(gen, static_cast<asUINT>(I))...);
  }
};

struct Verb {
  const char* declaration;
  asSFuncPtr native;
  asSFuncPtr generic;
};

#define PM_VERB(decl, name)                                                                      \
  Verb {                                                                                         \
    decl, asMETHOD(CResourceReader, name), asFUNCTION(GenericVerb<&CResourceReader::name>::Call) \
  }

// The verbs in their registration order.
const Verb kVerbs[] = {
    PM_VERB("void AddFont(string&in)", AddFont),
    PM_VERB("void AddHGESpriteInfo(string&in, int, float, float, float, float)", AddHGESpriteInfo),
    PM_VERB("void AddNamedPart(string&in, int, int, int)", AddNamedPart),
    PM_VERB("void AddSoundInfo(string&in)", AddSoundInfo),
    PM_VERB("void AddSubstAnimation(string&in, string&in)", AddSubstAnimation),
    PM_VERB("void AddTextFile(string&in)", AddTextFile),
    PM_VERB("void AddTextInfo(string&in, int, int, int, int, int)", AddTextInfo),
    PM_VERB("void AddTexture(string&in)", AddTexture),
    PM_VERB("void CreateAnimationData(string&in)", CreateAnimationData),
    PM_VERB("void CreateClippingObjectData(string&in)", CreateClippingObjectData),
    PM_VERB("void CreateModule(string&in)", CreateModule),
    PM_VERB("void CreateParticleSystem(string&in)", CreateParticleSystem),
    PM_VERB("void CreateSoundObjectData(string&in)", CreateSoundObjectData),
    PM_VERB("void CreateSpriteObjectData(string&in)", CreateSpriteObjectData),
    PM_VERB("void CreateTextSpriteObjectData(string&in)", CreateTextSpriteObjectData),
    PM_VERB("void AddActionSound(int, int)", AddActionSound),
    PM_VERB("void AddColor(int, int, int, int, int, int)", AddColor),
    PM_VERB("void AddBlendMode(int, int)", AddBlendMode),
    PM_VERB("void AddCommandSubstAnimation(string&in, int)", AddCommandSubstAnimation),
    PM_VERB("void AddFlip(int, int)", AddFlip),
    PM_VERB("void AddHotspot(int, int, int, int)", AddHotspot),
    PM_VERB("void AddSpriteIDResource(int, int)", AddSpriteIDResource),
    PM_VERB("void AddTextSpriteIDResource(int, int)", AddTextSpriteIDResource),
    PM_VERB("void AddSndIDResource(int, int)", AddSndIDResource),
    PM_VERB("void AddLayer(int, int)", AddLayer),
    PM_VERB("void AddOffset(int, int, int, int)", AddOffset),
    PM_VERB("void AddOpaque(int, int, int)", AddOpaque),
    PM_VERB("void AddParamSound(int, int, int)", AddParamSound),
    PM_VERB("void AddParticleCommand(int, int)", AddParticleCommand),
    PM_VERB("void AddParticleID(int, int)", AddParticleID),
    PM_VERB("void AddParticleIDSprite(int, int)", AddParticleIDSprite),
    PM_VERB("void AddRotate(float, int, int)", AddRotate),
    PM_VERB("void AddSkew(int, int, int, int)", AddSkew),
    PM_VERB("void AddZoom(int, int, int, int)", AddZoom),
    PM_VERB("void AddParamModifier(int, int, int, float, float, float fPeriodMin, float "
            "fPeriodMax)",
            AddParamModifier),
};

#undef PM_VERB

}  // namespace

CResourceReader::CResourceReader(CResource& registry)
    : m_registry(registry),
      m_script(asCreateScriptEngine(ANGELSCRIPT_VERSION)),
      m_cache(CResourceCache::Instance()),
      m_engine(hgeCreate(ENGINE_VERSION)) {}

CResourceReader::~CResourceReader() {
  m_script->ShutDownAndRelease();
  m_engine->Release();
}

// ---- Script set-up ----

void CResourceReader::OnMessage(const asSMessageInfo* msg) {
  const char* type = "ERR ";
  if (msg->type == asMSGTYPE_WARNING) type = "WARN ";
  if (msg->type == asMSGTYPE_INFORMATION) type = "INFO ";
  m_engine->Log("ANGELSCRIPT: %s (%d, %d) | %s | %s\n", msg->section, msg->row, msg->col, type,
                msg->message);
}

void CResourceReader::RegisterInterface() {
  if (m_registered) return;
  m_registered = true;
  m_script->SetMessageCallback(asMETHOD(CResourceReader, OnMessage), this, asCALL_THISCALL);
  const bool generic = std::strstr(asGetLibraryOptions(), "AS_MAX_PORTABILITY") != nullptr;
  if (generic) {
    RegisterScriptStringGeneric(m_script);
  } else {
    RegisterScriptString(m_script);
  }
  m_script->RegisterObjectType("CResourceReader", 0, asOBJ_REF);
  if (generic) {
    m_script->RegisterObjectBehaviour("CResourceReader", asBEHAVE_ADDREF, "void f()",
                                      asFUNCTION(GenAddRefReader), asCALL_GENERIC);
    m_script->RegisterObjectBehaviour("CResourceReader", asBEHAVE_RELEASE, "void f()",
                                      asFUNCTION(GenReleaseReader), asCALL_GENERIC);
  } else {
    m_script->RegisterObjectBehaviour("CResourceReader", asBEHAVE_ADDREF, "void f()",
                                      asFUNCTION(AddRefReader), asCALL_CDECL_OBJLAST);
    m_script->RegisterObjectBehaviour("CResourceReader", asBEHAVE_RELEASE, "void f()",
                                      asFUNCTION(ReleaseReader), asCALL_CDECL_OBJLAST);
  }
  for (const Verb& verb : kVerbs) {
    m_script->RegisterObjectMethod("CResourceReader", verb.declaration,
                                   generic ? verb.generic : verb.native,
                                   generic ? asCALL_GENERIC : asCALL_THISCALL);
  }
}

asIScriptModule* CResourceReader::BuildModule(const std::string& text) {
  asIScriptModule* module = m_script->GetModule(kModuleName, asGM_ALWAYS_CREATE);
  module->AddScriptSection(kModuleName, text.data(), text.size(), 0);
  if (module->Build() < 0) {
    m_engine->Log("Resource script: the build failed");
    m_script->DiscardModule(kModuleName);
    return nullptr;
  }
  return module;
}

asIScriptModule* CResourceReader::LoadBytecode(const char* name) {
  std::uint32_t size = 0;
  void* data = m_engine->ResourceLoad(name, &size);
  if (!data) return nullptr;
  CBinaryStreamHelp stream(m_engine, data, size);
  if (!stream.IsIntact()) {
    m_engine->Log(
        "Resource script: the bytecode \"%s\" is cut, damaged or of another build; "
        "it is made again",
        name);
    return nullptr;
  }
  asIScriptModule* module = m_script->GetModule(kModuleName, asGM_ALWAYS_CREATE);
  if (module->LoadByteCode(&stream) < 0) {
    m_engine->Log("Resource script: can't load the bytecode \"%s\"", name);
    m_script->DiscardModule(kModuleName);
    return nullptr;
  }
  return module;
}

void CResourceReader::SaveBytecode(asIScriptModule* module, const char* name) {
  const std::filesystem::path path = DiskPath(name);
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  CBinaryStreamCompilerHelp stream;
  if (module->SaveByteCode(&stream) < 0 || !stream.Save(path.string())) {
    m_engine->Log("Resource script: can't write the bytecode \"%s\"", path.c_str());
  }
}

asIScriptModule* CResourceReader::CompileSource(const char* sourceName, const char* bytecodeName) {
  std::uint32_t size = 0;
  void* data = m_engine->ResourceLoad(sourceName, &size);
  if (!data) {
    m_engine->Log("Resource script: \"%s\" not found", sourceName);
    return nullptr;
  }
  const std::string text(static_cast<const char*>(data), size);
  m_engine->ResourceFree(data);
  asIScriptModule* module = BuildModule(text);
  if (module) SaveBytecode(module, bytecodeName);
  return module;
}

bool CResourceReader::LoadScript(const char* bytecodeName, const char* sourceName) {
  RegisterInterface();
  if (LoadBytecode(bytecodeName)) return true;
  return CompileSource(sourceName, bytecodeName) != nullptr;
}

bool CResourceReader::CallFillResource() {
  asIScriptModule* module = m_script->GetModule(kModuleName, asGM_ONLY_IF_EXISTS);
  asIScriptFunction* entry = module ? module->GetFunctionByDecl(kEntry) : nullptr;
  if (!entry) {
    m_engine->Log("Resource script: no \"%s\"", kEntry);
    return false;
  }
  asIScriptContext* context = m_script->CreateContext();
  context->Prepare(entry);
  context->SetArgObject(0, this);
  const int result = context->Execute();
  if (result == asEXECUTION_EXCEPTION) {
    m_engine->Log("Resource script: %s at line %d", context->GetExceptionString(),
                  context->GetExceptionLineNumber());
  }
  context->Release();
  return result == asEXECUTION_FINISHED;
}

bool CResourceReader::Compile(const std::string& source, const std::string& destination) {
  RegisterInterface();
  std::ifstream in(source);
  if (!in) {
    std::printf("ERROR can't open source file %s for read \n", source.c_str());
    return false;
  }
  std::string text;
  for (std::string line; std::getline(in, line);) text += line + '\n';
  asIScriptModule* module = BuildModule(text);
  if (!module) return false;
  CBinaryStreamCompilerHelp out;
  if (module->SaveByteCode(&out) < 0) return false;
  if (!out.Save(destination)) {
    std::printf("ERROR can't open destination file %s for write \n", destination.c_str());
    return false;
  }
  return true;
}

// ---- Verbs ----

void CResourceReader::Warn(const char* verb) {
  m_engine->Log("Warning: CResourceReader::%s", verb);
}

void CResourceReader::SetCurrent(CDrawableObjectData* drawable, CSoundObjectData* sound,
                                 CParticleObjectData* particle, CClippingObjectData* clipping) {
  m_drawable = drawable;
  m_sound = sound;
  m_particle = particle;
  m_clipping = clipping;
}

void CResourceReader::AddFont(const CScriptString& name) {
  m_registry.AddFont(name.buffer);
}

void CResourceReader::AddHGESpriteInfo(const CScriptString& name, int texture, float x, float y,
                                       float width, float height) {
  m_registry.AddSpriteInfo(name.buffer, texture, x, y, width, height);
}

void CResourceReader::AddNamedPart(const CScriptString& name, int x, int y, int value) {
  if (!m_animation) return Warn("AddNamedPart");
  m_animation->AddNamedPart(name.buffer, static_cast<float>(x), static_cast<float>(y), value);
}

void CResourceReader::AddSoundInfo(const CScriptString& name) {
  m_registry.AddSoundInfo(name.buffer);
}

void CResourceReader::AddSubstAnimation(const CScriptString& first, const CScriptString& second) {
  if (!m_drawable) return Warn("AddSubstAnimation");
  m_drawable->AddSubstAnimation(first.buffer, second.buffer);
}

void CResourceReader::AddTextFile(const CScriptString&) {}

void CResourceReader::AddTextInfo(const CScriptString& name, int fontNumber, int second, int third,
                                  int flags, int textIndex) {
  m_registry.AddTextInfo(name.buffer, fontNumber, second, third, flags, textIndex);
}

void CResourceReader::AddTexture(const CScriptString& name) {
  m_cache->AddTexture(name.buffer);
}

void CResourceReader::CreateAnimationData(const CScriptString& name) {
  if (!m_moduleSelected) return Warn("CreateAnimationData");
  auto data = GF::MakeHolder<CAnimationData>(name.buffer);
  (*m_registry.CreateModule(m_module))[name.buffer] = data;
  m_animation = data.Get();
  SetCurrent(nullptr, nullptr, nullptr, nullptr);
}

void CResourceReader::CreateModule(const CScriptString& name) {
  m_module = name.buffer;
  m_moduleSelected = true;
  m_registry.CreateModule(m_module);
  // Nothing of the previous module stays current: keys can't land in its objects.
  m_animation = nullptr;
  SetCurrent(nullptr, nullptr, nullptr, nullptr);
}

void CResourceReader::CreateClippingObjectData(const CScriptString&) {
  if (!m_animation) return Warn("CreateClippingObjectData");
  auto data = GF::MakeHolder<CClippingObjectData>();
  m_animation->AddObjectData(data);
  SetCurrent(nullptr, nullptr, nullptr, data.Get());
}

void CResourceReader::CreateParticleSystem(const CScriptString&) {
  if (!m_animation) return Warn("CreateParticleSystem");
  auto data = GF::MakeHolder<CParticleObjectData>();
  m_animation->AddObjectData(data);
  SetCurrent(nullptr, nullptr, data.Get(), nullptr);
}

void CResourceReader::CreateSoundObjectData(const CScriptString& name) {
  if (!m_animation) return Warn("CreateSoundObjectData");
  auto data = GF::MakeHolder<CSoundObjectData>(name.buffer);
  m_animation->AddObjectData(data);
  SetCurrent(nullptr, data.Get(), nullptr, nullptr);
}

void CResourceReader::CreateSpriteObjectData(const CScriptString& name) {
  if (!m_animation) return Warn("CreateSpriteObjectData");
  auto data = GF::MakeHolder<CSpriteObjectData>(name.buffer);
  m_animation->AddObjectData(data);
  SetCurrent(data.Get(), nullptr, nullptr, nullptr);
}

void CResourceReader::CreateTextSpriteObjectData(const CScriptString& name) {
  if (!m_animation) return Warn("CreateTextSpriteObjectData");
  auto data = GF::MakeHolder<CTextSpriteObjectData>(name.buffer);
  m_animation->AddObjectData(data);
  SetCurrent(data.Get(), nullptr, nullptr, nullptr);
}

void CResourceReader::AddActionSound(int value, int time) {
  if (!m_sound) return Warn("AddActionSound");
  AppendKey(m_sound->GetActionTrack(), value, 0, time);
}

void CResourceReader::AddColor(int a, int r, int g, int b, int mode, int time) {
  if (!m_drawable) return Warn("AddColor");
  // The channels are the bytes of the packed number: out-of-range values carry over.
  const auto u = [](int v) { return static_cast<std::uint32_t>(v); };
  const std::uint32_t packed = ((u(a) * 256u + u(r)) * 256u + u(g)) * 256u + u(b);
  const auto channel = [packed](int shift) {
    return static_cast<float>(((packed >> shift) & 0xFFu) / 255.0);
  };
  const hgeColor color(channel(16), channel(8), channel(0), channel(24));
  AppendKey(m_drawable->GetColorTrack(), color, mode, time, true);
}

void CResourceReader::AddBlendMode(int value, int time) {
  if (m_drawable) return AppendKey(m_drawable->GetBlendTrack(), value, 0, time, true);
  if (m_particle) return AppendKey(m_particle->GetBlendTrack(), value, 0, time, true);
  Warn("AddBlendMode");
}

void CResourceReader::AddCommandSubstAnimation(const CScriptString& name, int time) {
  if (!m_drawable) return Warn("AddCommandSubstAnimation");
  m_drawable->GetCommandSubstTrack()->push_back({static_cast<float>(time), name.buffer});
}

void CResourceReader::AddFlip(int value, int time) {
  if (!m_drawable) return Warn("AddFlip");
  AppendKey(m_drawable->GetFlipTrack(), value, 0, time);
}

void CResourceReader::AddHotspot(int x, int y, int mode, int time) {
  const GF::TPoint<float> point(static_cast<float>(x), static_cast<float>(y));
  if (m_drawable) return AppendKey(m_drawable->GetHotspotTrack(), point, mode, time);
  if (m_clipping) return AppendKey(m_clipping->GetHotspotTrack(), point, mode, time);
  Warn("AddHotspot");
}

void CResourceReader::AddSpriteIDResource(int sprite, int time) {
  if (!m_drawable) return Warn("AddSpriteIDResource");
  AppendKey(m_drawable->GetIdTrack(), sprite, 0, time);
  if (sprite < 0) return;
  if (const CHGESpriteInfo* info = m_registry.GetSpriteInfo(sprite)) {
    m_cache->AddToGroup(m_module, info->texture);
  } else {
    m_engine->Log("Warning: CResourceReader::AddSpriteIDResource: no sprite %d", sprite);
  }
}

void CResourceReader::AddTextSpriteIDResource(int textInfo, int time) {
  if (!m_drawable) return Warn("AddTextSpriteIDResource");
  AppendKey(m_drawable->GetIdTrack(), textInfo, 0, time);
}

void CResourceReader::AddSndIDResource(int sound, int time) {
  if (!m_sound) return Warn("AddSndIDResource");
  AppendKey(m_sound->GetIdTrack(), sound, 0, time);
}

void CResourceReader::AddLayer(int value, int time) {
  if (m_drawable) return AppendKey(m_drawable->GetLayerTrack(), value, 0, time);
  if (m_particle) return AppendKey(m_particle->GetLayerTrack(), value, 0, time);
  if (m_clipping) return AppendKey(m_clipping->GetLayerTrack(), value, 0, time);
  Warn("AddLayer");
}

void CResourceReader::AddOffset(int x, int y, int mode, int time) {
  const GF::TPoint<float> point(static_cast<float>(x), static_cast<float>(y));
  if (m_drawable) return AppendKey(m_drawable->GetOffsetTrack(), point, mode, time, true);
  if (m_particle) return AppendKey(m_particle->GetOffsetTrack(), point, mode, time, true);
  if (m_clipping) return AppendKey(m_clipping->GetOffsetTrack(), point, mode, time, true);
  Warn("AddOffset");
}

void CResourceReader::AddOpaque(int value, int mode, int time) {
  const auto opacity = static_cast<float>(value / 255.0);
  if (m_drawable) return AppendKey(m_drawable->GetOpacityTrack(), opacity, mode, time, true);
  if (m_particle) return AppendKey(m_particle->GetOpacityTrack(), opacity, mode, time, true);
  Warn("AddOpaque");
}

void CResourceReader::AddParamSound(int a, int b, int time) {
  if (!m_sound) return Warn("AddParamSound");
  AppendKey(m_sound->GetSoundParamTrack(), GF::TPoint<int32_t>(a, b), 0, time);
}

void CResourceReader::AddParticleCommand(int value, int time) {
  if (!m_particle) return Warn("AddParticleCommand");
  AppendKey(m_particle->GetParticleCommandTrack(), value, 0, time);
}

void CResourceReader::AddParticleID(int value, int time) {
  if (!m_particle) return Warn("AddParticleID");
  AppendKey(m_particle->GetIdTrack(), value, 0, time);
}

void CResourceReader::AddParticleIDSprite(int value, int time) {
  if (!m_particle) return Warn("AddParticleIDSprite");
  AppendKey(m_particle->GetSpriteIdTrack(), value, 0, time);
}

void CResourceReader::AddRotate(float degrees, int mode, int time) {
  if (!m_drawable) return Warn("AddRotate");
  const auto radians = static_cast<float>(degrees / 180.0 * 3.1415927);
  AppendKey(m_drawable->GetRotationTrack(), radians, mode, time, true);
}

void CResourceReader::AddSkew(int, int, int, int) {}

void CResourceReader::AddZoom(int x, int y, int mode, int time) {
  const GF::TPoint<float> zoom(static_cast<float>(x / 100.0), static_cast<float>(y / 100.0));
  if (m_drawable) return AppendKey(m_drawable->GetZoomTrack(), zoom, mode, time, true);
  if (m_clipping) return AppendKey(m_clipping->GetZoomTrack(), zoom, mode, time, true);
  Warn("AddZoom");
}

void CResourceReader::AddParamModifier(int kind, int a, int b, float f1, float f2, float periodMin,
                                       float periodMax) {
  if (kind == 0) return;
  if (kind == 1) {
    f1 /= kDegreesPerRadian;
    f2 /= kDegreesPerRadian;
  }
  const CParamModifierData modifier{kind,
                                    a,
                                    b,
                                    f1,
                                    f2,
                                    static_cast<float>(periodMin / 1000.0),
                                    static_cast<float>(periodMax / 1000.0)};
  GF::THolder<CParamModifierList> list;
  if (m_drawable) {
    list = m_drawable->GetParamModifiers();
  } else if (m_particle) {
    list = m_particle->GetParamModifiers();
  } else if (m_clipping) {
    list = m_clipping->GetParamModifiers();
  } else {
    return Warn("AddParamModifier");
  }
  list->push_back(modifier);
}

}  // namespace GF::HGENS
