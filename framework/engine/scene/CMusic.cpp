#include "framework/engine/scene/CMusic.h"

#include <algorithm>

#include "framework/core/CGameProperties.h"
#include "framework/engine/resources/CResource.h"

namespace GF::HGENS {
namespace {

int MusicVolume() {
  return GF::CGameProperties::Instance()->GetInt("MusicVolume");
}

}  // namespace

CMusic::CMusic() : m_engine(hgeCreate(ENGINE_VERSION)) {}

CMusic::~CMusic() {
  m_engine->ChannelStopAll();
  m_fades.clear();
  m_tracks.clear();
  m_engine->Release();
}

void CMusic::SetVolume(EngineChannel channel, int volume) {
  m_engine->ChannelSetVolume(channel, volume);
  for (auto& [name, track] : m_tracks) {
    if (track.channel == channel) track.volume = volume;
  }
}

void CMusic::CancelFades(EngineChannel channel) {
  std::erase_if(m_fades, [channel](const GF::THolder<CChangeMusic>& fade) {
    return fade->GetChannel() == channel;
  });
}

void CMusic::ApplyVolume() {
  const int volume = MusicVolume();
  for (auto& [name, track] : m_tracks) {
    if (m_engine->ChannelIsPlaying(track.channel)) SetVolume(track.channel, volume);
  }
}

void CMusic::Play(const std::string& name, bool fade) {
  const int volume = MusicVolume();
  auto found = m_tracks.find(name);
  if (found == m_tracks.end()) {
    // The registry logs a missing sound and hands out a silent one: no track for it.
    GF::THolder<GF::ISnd> sound = GetResources()->GetSound(name);
    if (!sound || !sound->GetHandle()) return;
    const EngineChannel channel = m_engine->StreamPlay(sound->GetHandle(), true, 0);
    found = m_tracks.emplace(name, Track{channel, std::move(sound), 0}).first;
  } else if (m_engine->ChannelIsPlaying(found->second.channel)) {
    fade = false;  // already heard: straight to the volume
  } else {
    CancelFades(found->second.channel);
    found->second.channel = m_engine->StreamPlay(found->second.sound->GetHandle(), true, 0);
    found->second.volume = 0;
  }
  const EngineChannel channel = found->second.channel;
  if (!channel) return;
  CancelFades(channel);
  if (fade) {
    m_fades.push_back(GF::MakeHolder<CChangeMusic>(channel, volume, std::string(), true));
  } else {
    SetVolume(channel, volume);
  }
}

void CMusic::Stop(const std::string& name, bool fade) {
  const auto found = m_tracks.find(name);
  if (found == m_tracks.end()) return;
  const EngineChannel channel = found->second.channel;
  CancelFades(channel);
  if (fade) {
    m_fades.push_back(GF::MakeHolder<CChangeMusic>(channel, MusicVolume(), name, false));
  } else {
    m_engine->ChannelStop(channel);
  }
}

void CMusic::Resume(const std::string& name) {
  if (!name.empty()) return;
  for (const auto& [trackName, track] : m_tracks) m_engine->ChannelResume(track.channel);
}

void CMusic::Pause(const std::string& name) {
  if (!name.empty()) return;
  for (const auto& [trackName, track] : m_tracks) m_engine->ChannelPause(track.channel);
}

void CMusic::Update(const float& dt) {
  for (std::size_t i = 0; i < m_fades.size();) {
    const GF::THolder<CChangeMusic> fade = m_fades[i];
    SetVolume(fade->GetChannel(), fade->Advance(dt));
    if (!fade->IsDone()) {
      ++i;
      continue;
    }
    if (fade->IsFadeOut()) {
      m_engine->ChannelStop(fade->GetChannel());
      const auto found = m_tracks.find(fade->GetName());
      if (found != m_tracks.end() && found->second.channel == fade->GetChannel())
        m_tracks.erase(found);
    }
    m_fades.erase(m_fades.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

EngineChannel CMusic::GetChannel(const std::string& name) const {
  const auto found = m_tracks.find(name);
  return found == m_tracks.end() ? 0 : found->second.channel;
}

int CMusic::GetVolume(const std::string& name) const {
  const auto found = m_tracks.find(name);
  return found == m_tracks.end() ? -1 : found->second.volume;
}

}  // namespace GF::HGENS
