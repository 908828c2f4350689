#pragma once

#include "framework/engine/resources/CObjectData.h"
#include "framework/engine/resources/ISoundObjectData.h"

namespace GF::HGENS {

// Describes a sound of an animation.
class CSoundObjectData : public CObjectData, public GF::ISoundObjectData {
 public:
  explicit CSoundObjectData(std::string name) : CObjectData(std::move(name)) {}

  ObjectPtr CreateObject() override { return MakeObject(Kind::Sound, this); }
  const std::string& GetName() const override { return m_name; }
  GF::THolder<GF::TKeyContainer<GF::kKindResourceId>> GetIdTrack() const override {
    return m_idTrack;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindSoundAction>> GetActionTrack() const override {
    return m_action;
  }
  GF::THolder<GF::TKeyContainer<GF::kKindSoundParams>> GetSoundParamTrack() const override {
    return m_params;
  }

 private:
  GF::THolder<GF::TKeyContainer<GF::kKindSoundAction>> m_action =
      GF::CreateKeyContainer<GF::kKindSoundAction>();
  GF::THolder<GF::TKeyContainer<GF::kKindSoundParams>> m_params =
      GF::CreateKeyContainer<GF::kKindSoundParams>();
};

}  // namespace GF::HGENS
