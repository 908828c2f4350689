#include "framework/engine/scene/SceneServices.h"

#include "framework/engine/app/Services.h"
#include "framework/engine/particles/ParticleServices.h"
#include "framework/engine/resources/CObjectData.h"
#include "framework/engine/scene/CClipping.h"
#include "framework/engine/scene/CGameSound.h"
#include "framework/engine/scene/CMusic.h"
#include "framework/engine/scene/CSoundObject.h"
#include "framework/engine/scene/CSpriteObject.h"
#include "framework/engine/scene/CTextSpriteObject.h"

namespace GF::HGENS {
namespace {

using ObjectPtr = CObjectData::ObjectPtr;

template <class T>
ObjectPtr Make() {
  return ObjectPtr(static_cast<GF::IObjectAnimation*>(new T()));
}

GF::THolder<GF::IMusic> MakeMusic() {
  return GF::MakeHolder<CMusic>();
}

GF::THolder<IGameSound> GameSoundInstance() {
  return CGameSound::Instance();
}

}  // namespace

void InstallSceneObjectMakers() {
  CObjectData::SetMaker(CObjectData::Kind::Sprite, Make<CSpriteObject>);
  CObjectData::SetMaker(CObjectData::Kind::TextSprite, Make<CTextSpriteObject>);
  CObjectData::SetMaker(CObjectData::Kind::Clipping, Make<CClipping>);
  CObjectData::SetMaker(CObjectData::Kind::Sound, Make<CSoundObject>);
  InstallParticleServices();
}

void InstallSceneServices() {
  InstallSceneObjectMakers();
  ServiceProviders& providers = GetServiceProviders();
  providers.createMusic = MakeMusic;
  providers.createGameSound = GameSoundInstance;
}

}  // namespace GF::HGENS
