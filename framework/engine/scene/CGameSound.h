#pragma once

#include <cstdint>
#include <list>
#include <map>
#include <string>

#include "framework/core/CContainerRef.h"
#include "framework/engine/app/IGameSound.h"
#include "framework/engine/resources/ISnd.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// The game's short sounds by name. A request may play several times in a row or loop, may
// wait for a delay, and is refused while another instance of the name started (or will
// start) less than its spacing before it. Requests are records driven by Update with the
// frame time; the volume is the "SoundVolume" game property when a play starts.
class CGameSound : public IGameSound {
 public:
  // One pending or playing instance.
  struct SoundData {
    GF::THolder<GF::ISnd> sound;
    std::int32_t count = 0;  // plays still to start; below 0 endless
    float timer = 0.0f;      // ms; starts at minus the delay, due once above 0
    EngineChannel channel = 0;
    float extra = 0.0f;  // pitch applied after each start when not 0
  };
  using SoundList = GF::CContainerRef<std::list<SoundData>>;

  // The one player, made on first use.
  static GF::THolder<CGameSound> Instance();

  CGameSound();
  ~CGameSound() override;
  CGameSound(const CGameSound&) = delete;
  CGameSound& operator=(const CGameSound&) = delete;

  void Play(const std::string& name, int count, float delay, float spacing, float extra) override;
  void Update(const float& dt) override;
  void Stop(const std::string& name) override;
  void StopAll() override;
  void PauseAll() override;
  void ResumeAll() override;

  // The records of a name; null for a name never requested.
  const SoundList* Find(const std::string& name) const;

 private:
  template <class F>
  void ForEachRecord(F f);

  Engine* m_engine;
  std::map<std::string, GF::THolder<SoundList>> m_sounds;
};

}  // namespace GF::HGENS
