#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "framework/core/THolder.h"
#include "framework/engine/app/IMusic.h"
#include "framework/engine/resources/ISnd.h"
#include "framework/engine/scene/CChangeMusic.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// Looping music tracks by name on engine channels, started and stopped at once or with a
// fade of one second, at the "MusicVolume" game property. A Play or Stop cancels any fade
// still running on the track's channel; a finished fade-out stops its channel and forgets
// the track.
class CMusic : public GF::IMusic {
 public:
  CMusic();
  ~CMusic() override;
  CMusic(const CMusic&) = delete;
  CMusic& operator=(const CMusic&) = delete;

  void ApplyVolume() override;
  void Play(const std::string& name, bool fade) override;
  void Resume(const std::string& name) override;
  void Stop(const std::string& name, bool fade) override;
  void Pause(const std::string& name) override;
  void Update(const float& dt) override;

  // The track's channel, 0 for an unknown track.
  EngineChannel GetChannel(const std::string& name) const;
  // The volume this player last gave the track's channel; -1 for an unknown track.
  int GetVolume(const std::string& name) const;
  int GetFadeCount() const { return static_cast<int>(m_fades.size()); }

 private:
  struct Track {
    EngineChannel channel = 0;
    GF::THolder<GF::ISnd> sound;
    int volume = 0;  // as last set
  };

  void SetVolume(EngineChannel channel, int volume);
  void CancelFades(EngineChannel channel);

  Engine* m_engine;
  std::unordered_map<std::string, Track> m_tracks;
  std::vector<GF::THolder<CChangeMusic>> m_fades;
};

}  // namespace GF::HGENS
