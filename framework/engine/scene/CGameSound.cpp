#include "framework/engine/scene/CGameSound.h"

#include <algorithm>

#include "framework/core/CGameProperties.h"
#include "framework/engine/resources/CResource.h"

namespace GF::HGENS {
namespace {

// Endless sounds play at this rate factor.
constexpr float kLoopPitch = 2.0f;

}  // namespace

GF::THolder<CGameSound> CGameSound::Instance() {
  static GF::THolder<CGameSound> instance;
  if (!instance) instance = GF::MakeHolder<CGameSound>();
  return instance;
}

CGameSound::CGameSound() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CGameSound::~CGameSound() {
  StopAll();
  m_engine->Release();
}

template <class F>
void CGameSound::ForEachRecord(F f) {
  for (auto& [name, list] : m_sounds) {
    for (SoundData& record : *list) f(record);
  }
}

void CGameSound::Play(const std::string& name, int count, float delay, float spacing, float extra) {
  spacing = std::max(spacing, 0.0f);
  delay = std::max(delay, 0.0f);
  GF::THolder<SoundList>& list = m_sounds[name];
  if (!list) list = GF::MakeHolder<SoundList>();
  // An instance that started, or will start, less than spacing ms before this one.
  const float limit = spacing - delay;
  if (std::any_of(list->begin(), list->end(),
                  [limit](const SoundData& r) { return r.timer <= limit; })) {
    return;
  }
  // The registry logs a missing sound and hands out a silent one: add nothing for it.
  GF::THolder<GF::ISnd> sound = GetResources()->GetSound(name);
  if (!sound || !sound->GetHandle()) return;
  list->push_back({std::move(sound), count, -delay, 0, extra});
}

void CGameSound::Update(const float& dt) {
  // Looked up by name only on a frame where a sound starts.
  int volume = -1;
  const auto startVolume = [&volume] {
    if (volume < 0) volume = GF::CGameProperties::Instance()->GetInt("SoundVolume");
    return volume;
  };
  for (auto& [name, list] : m_sounds) {
    for (auto it = list->begin(); it != list->end();) {
      SoundData& r = *it;
      r.timer += dt;
      if (!(r.timer > 0.0f) || m_engine->ChannelIsPlaying(r.channel)) {
        ++it;
        continue;
      }
      if (r.count == 0) {
        it = list->erase(it);
        continue;
      }
      if (r.count > 0) {
        --r.count;
        r.channel = m_engine->StreamPlay(r.sound->GetHandle(), false, startVolume());
      } else {
        r.channel = m_engine->StreamPlay(r.sound->GetHandle(), true, startVolume());
        m_engine->ChannelSetPitch(r.channel, kLoopPitch);
      }
      if (r.extra != 0.0f) m_engine->ChannelSetPitch(r.channel, r.extra);
      ++it;
    }
  }
}

void CGameSound::Stop(const std::string& name) {
  const auto found = m_sounds.find(name);
  if (found == m_sounds.end()) return;
  for (const SoundData& r : *found->second) m_engine->ChannelStop(r.channel);
  found->second->clear();
}

void CGameSound::StopAll() {
  for (auto& [name, list] : m_sounds) {
    for (const SoundData& r : *list) m_engine->ChannelStop(r.channel);
    list->clear();
  }
}

void CGameSound::PauseAll() {
  ForEachRecord([this](SoundData& r) { m_engine->ChannelPause(r.channel); });
}

void CGameSound::ResumeAll() {
  ForEachRecord([this](SoundData& r) { m_engine->ChannelResume(r.channel); });
}

const CGameSound::SoundList* CGameSound::Find(const std::string& name) const {
  const auto found = m_sounds.find(name);
  return found == m_sounds.end() ? nullptr : found->second.Get();
}

}  // namespace GF::HGENS
