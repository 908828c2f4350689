#pragma once

#include <string>

#include "framework/core/CRefCount.h"
#include "framework/core/THolder.h"

namespace AngelScript {
class asIScriptEngine;
class asIScriptModule;
struct asSMessageInfo;
}  // namespace AngelScript

class CScriptString;
class Engine;

namespace GF::HGENS {

class CAnimationData;
class CClippingObjectData;
class CDrawableObjectData;
class CParticleObjectData;
class CResource;
class CResourceCache;
class CSoundObjectData;

// The builder that the resource script drives: it owns the script engine, exposes its verbs
// to the script as the type "CResourceReader" and fills the registry through them. Times
// come in milliseconds, angles in degrees, opacity and colour channels on 0..255, zoom in
// percent.
class CResourceReader : public GF::CRefCount {
 public:
  static constexpr const char* kBytecodeName = "Animation\\effects.bs";
  static constexpr const char* kSourceName = "Animation\\effects.as";

  explicit CResourceReader(CResource& registry);
  ~CResourceReader() override;
  CResourceReader(const CResourceReader&) = delete;
  CResourceReader& operator=(const CResourceReader&) = delete;

  // Registers the interface, then loads module "animation" from the bytecode file, else
  // compiles the source and saves its bytecode (beside the program for a relative name).
  // False when neither gave a module.
  bool LoadScript(const char* bytecodeName = kBytecodeName, const char* sourceName = kSourceName);
  // Runs "void FillResource(CResourceReader@)"; false when it is missing or failed.
  bool CallFillResource();
  // The "/cr" tool: compiles a source file into a bytecode file; false (and no file) when
  // the source can't be read or built or the destination can't be written.
  bool Compile(const std::string& source, const std::string& destination);

  // ---- The script's verbs ----
  void AddFont(const CScriptString& name);
  void AddHGESpriteInfo(const CScriptString& name, int texture, float x, float y, float width,
                        float height);
  void AddNamedPart(const CScriptString& name, int x, int y, int value);
  void AddSoundInfo(const CScriptString& name);
  void AddSubstAnimation(const CScriptString& first, const CScriptString& second);
  void AddTextFile(const CScriptString& name);
  void AddTextInfo(const CScriptString& name, int fontNumber, int second, int third, int flags,
                   int textIndex);
  void AddTexture(const CScriptString& name);
  void CreateAnimationData(const CScriptString& name);
  void CreateClippingObjectData(const CScriptString& name);
  void CreateModule(const CScriptString& name);
  void CreateParticleSystem(const CScriptString& name);
  void CreateSoundObjectData(const CScriptString& name);
  void CreateSpriteObjectData(const CScriptString& name);
  void CreateTextSpriteObjectData(const CScriptString& name);
  void AddActionSound(int value, int time);
  void AddColor(int a, int r, int g, int b, int mode, int time);
  void AddBlendMode(int value, int time);
  void AddCommandSubstAnimation(const CScriptString& name, int time);
  void AddFlip(int value, int time);
  void AddHotspot(int x, int y, int mode, int time);
  void AddSpriteIDResource(int sprite, int time);
  void AddTextSpriteIDResource(int textInfo, int time);
  void AddSndIDResource(int sound, int time);
  void AddLayer(int value, int time);
  void AddOffset(int x, int y, int mode, int time);
  void AddOpaque(int value, int mode, int time);
  void AddParamSound(int a, int b, int time);
  void AddParticleCommand(int value, int time);
  void AddParticleID(int value, int time);
  void AddParticleIDSprite(int value, int time);
  void AddRotate(float degrees, int mode, int time);
  void AddSkew(int x, int y, int mode, int time);
  void AddZoom(int x, int y, int mode, int time);
  void AddParamModifier(int kind, int a, int b, float f1, float f2, float periodMin,
                        float periodMax);

 private:
  void RegisterInterface();
  void OnMessage(const AngelScript::asSMessageInfo* msg);
  // Builds `text` as module "animation"; null (and the reasons in the log) on failure.
  AngelScript::asIScriptModule* BuildModule(const std::string& text);
  AngelScript::asIScriptModule* LoadBytecode(const char* name);
  AngelScript::asIScriptModule* CompileSource(const char* sourceName, const char* bytecodeName);
  void SaveBytecode(AngelScript::asIScriptModule* module, const char* name);
  // The verb had nothing to act on.
  void Warn(const char* verb);
  // The current object data become none, and then `object` (if any) the current one.
  void SetCurrent(CDrawableObjectData* drawable, CSoundObjectData* sound,
                  CParticleObjectData* particle, CClippingObjectData* clipping);

  CResource& m_registry;
  std::string m_module;
  // The module of empty name is a module too: it holds the names without a point.
  bool m_moduleSelected = false;
  CAnimationData* m_animation = nullptr;
  CDrawableObjectData* m_drawable = nullptr;
  CSoundObjectData* m_sound = nullptr;
  CParticleObjectData* m_particle = nullptr;
  CClippingObjectData* m_clipping = nullptr;
  AngelScript::asIScriptEngine* m_script;
  GF::THolder<CResourceCache> m_cache;
  Engine* m_engine;
  bool m_registered = false;
};

}  // namespace GF::HGENS
