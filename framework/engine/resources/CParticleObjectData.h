#pragma once

#include "framework/engine/resources/CObjectData.h"
#include "framework/engine/resources/IParticleObjectData.h"

namespace GF::HGENS {

// Describes a particle system of an animation. It has no name.
class CParticleObjectData : public CObjectData, public GF::IParticleObjectData {
 public:
  CParticleObjectData() : CObjectData({}) {}

  ObjectPtr CreateObject() override { return MakeObject(Kind::Particle, this); }
  const std::string& GetName() const override { return m_name; }
  GF::THolder<GF::TKeyContainer<GF::kKindResourceId>> GetIdTrack() const override {
    return m_idTrack;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindBlendMode>> GetBlendTrack() const override {
    return m_blend;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindOffset>> GetOffsetTrack() const override {
    return m_offset;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindLayer>> GetLayerTrack() const override { return m_layer; }
  GF::THolder<GF::TKeyContainer<GF::kKindOpacity>> GetOpacityTrack() const override {
    return m_opacity;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindParticleCommand>> GetParticleCommandTrack()
      const override {
    return m_command;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindResourceId>> GetSpriteIdTrack() const override {
    return m_spriteId;
  }
  GF::THolder<CParamModifierList> GetParamModifiers() const override { return m_modifiers; }

 private:
  GF::THolder<GF::TKeyContainer<GF::kKindBlendMode>> m_blend =
      GF::CreateKeyContainer<GF::kKindBlendMode>();
  GF::THolder<GF::TKeyContainer<GF::kKindOffset>> m_offset =
      GF::CreateKeyContainer<GF::kKindOffset>();
  GF::THolder<GF::TKeyContainer<GF::kKindLayer>> m_layer = GF::CreateKeyContainer<GF::kKindLayer>();
  GF::THolder<GF::TKeyContainer<GF::kKindOpacity>> m_opacity =
      GF::CreateKeyContainer<GF::kKindOpacity>();
  GF::THolder<GF::TKeyContainer<GF::kKindParticleCommand>> m_command =
      GF::CreateKeyContainer<GF::kKindParticleCommand>();
  GF::THolder<GF::TKeyContainer<GF::kKindResourceId>> m_spriteId =
      GF::CreateKeyContainer<GF::kKindResourceId>();
  GF::THolder<CParamModifierList> m_modifiers =
      GF::THolder<CParamModifierList>(new CParamModifierList);
};

}  // namespace GF::HGENS
