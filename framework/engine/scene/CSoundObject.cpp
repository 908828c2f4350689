#include "framework/engine/scene/CSoundObject.h"

#include <cstdint>

#include "framework/core/CGameProperties.h"
#include "framework/engine/resources/CResource.h"

namespace GF::HGENS {

CSoundObject::CSoundObject() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CSoundObject::~CSoundObject() {
  m_engine->Release();
}

bool CSoundObject::QueryInterface(const int& id, void** out) {
  switch (id) {
    case GF::kIdBase:
      return Grant(static_cast<GF::IBase*>(this), out);
    case GF::kIdObjectAnimation:
      return Grant(static_cast<GF::IObjectAnimation*>(this), out);
    case GF::kIdSound:
      return Grant(static_cast<GF::ISound*>(this), out);
    default:
      return Refuse(out);
  }
}

void CSoundObject::SetObjectData(const GF::THolder<GF::IObjectData>& data) {
  m_params.Clear();
  m_action.Clear();
  data_ = dynamic_cast<GF::ISoundObjectData*>(data.Get());
  if (!data_) return;
  m_params.Attach(data_->GetSoundParamTrack());
  m_action.Attach(data_->GetActionTrack());
}

bool CSoundObject::Update(const float&) {
  const auto node = animation_;
  if (!node) return false;
  const float& t = node->GetTime();
  if (m_params.Update(t)) {
    m_engine->ChannelStop(m_channel);
    const auto id = static_cast<std::int16_t>(m_params.GetValue().x & 0xFFFF);
    m_sound = GetResources()->GetSound(static_cast<int>(id));
  }
  if (m_action.Update(t)) Act(m_action.GetValue());
  if (m_lastAction == kRepeat && !m_engine->ChannelIsPlaying(m_channel)) Play();
  return true;
}

void CSoundObject::Act(int action) {
  switch (action) {
    case kPlay:
    case kRepeat:
      Play();
      break;
    case kPause:
      Pause();
      break;
    case kStop:
      m_engine->ChannelStop(m_channel);
      break;
    default:
      break;
  }
  m_lastAction = action;
}

void CSoundObject::Stop() {
  m_engine->ChannelStop(m_channel);
  m_lastAction = kStop;
}

void CSoundObject::Play() {
  if (!m_sound) return;
  if (m_lastAction == kPause) {
    m_engine->ChannelResume(m_channel);
    return;
  }
  const int volume = GF::CGameProperties::Instance()->GetInt("SoundVolume");
  m_channel = m_engine->StreamPlay(m_sound->GetHandle(), false, volume);
}

}  // namespace GF::HGENS
