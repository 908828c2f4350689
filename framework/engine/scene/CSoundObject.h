#pragma once

#include "framework/core/CBaseObject.h"
#include "framework/core/CObjectAnimationAbstract.h"
#include "framework/core/ISound.h"
#include "framework/core/TParamTrack.h"
#include "framework/engine/resources/ISnd.h"
#include "framework/engine/resources/ISoundObjectData.h"
#include "platform/Engine.h"

namespace GF::HGENS {

// A sound of an animation, driven by two tracks: the sound parameters (x picks the
// registry's sound) and the action (1 play once, 2 play and repeat, 3 pause so that the
// next play resumes, 4 stop). At the "SoundVolume" game property.
class CSoundObject : public GF::CBaseObject,
                     public GF::CObjectAnimationAbstract<GF::THolder<GF::ISoundObjectData>>,
                     public GF::ISound {
 public:
  enum : int { kPlay = 1, kRepeat = 2, kPause = 3, kStop = 4 };

  CSoundObject();
  ~CSoundObject() override;
  CSoundObject(const CSoundObject&) = delete;
  CSoundObject& operator=(const CSoundObject&) = delete;

  bool QueryInterface(const int& id, void** out) override;

  // IObjectAnimation
  void SetObjectData(const GF::THolder<GF::IObjectData>& data) override;
  bool Update(const float& dt) override;
  void Detach() override { animation_.Reset(); }

  // ISound
  void Pause() override { m_engine->ChannelPause(m_channel); }
  void Resume() override { m_engine->ChannelResume(m_channel); }
  // Also ends a repeat: a stopped sound stays silent until its action track acts again.
  void Stop() override;

  // Starts the sound, or resumes it after a pause; nothing without a sound.
  void Play();

  EngineChannel GetChannel() const { return m_channel; }
  int GetLastAction() const { return m_lastAction; }

 private:
  void Act(int action);

  Engine* m_engine;
  GF::TParamTrack<GF::kKindSoundParams> m_params;
  GF::TParamTrack<GF::kKindSoundAction> m_action;
  GF::THolder<GF::ISnd> m_sound;
  int m_lastAction = 0;
  EngineChannel m_channel = 0;
};

}  // namespace GF::HGENS
