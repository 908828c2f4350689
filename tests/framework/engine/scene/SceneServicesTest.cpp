#include <gtest/gtest.h>

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CClippingObjectData.h"
#include "framework/engine/resources/CSoundObjectData.h"
#include "framework/engine/resources/CSpriteObjectData.h"
#include "framework/engine/resources/CTextSpriteObjectData.h"
#include "framework/engine/scene/CClipping.h"
#include "framework/engine/scene/CGameSound.h"
#include "framework/engine/scene/CMusic.h"
#include "framework/engine/scene/CSoundObject.h"
#include "framework/engine/scene/CSpriteObject.h"
#include "framework/engine/scene/CTextSpriteObject.h"
#include "framework/engine/scene/SceneServices.h"

namespace {

using namespace GF::HGENS;

TEST(SceneServicesTest, TheGameManagerHoldsTheScenePlayers) {
  InstallSceneServices();
  EXPECT_NE(dynamic_cast<CMusic*>(GetMusic().Get()), nullptr);
  EXPECT_EQ(GetGameSound().Get(), CGameSound::Instance().Get());
  const auto manager = GetGameManager();
  EXPECT_TRUE(manager);
  ReleaseEngineServices();
  // The sound-effects player is one per process; the music player is made anew.
  EXPECT_EQ(GetGameSound().Get(), CGameSound::Instance().Get());
  ReleaseEngineServices();
}

template <class Object, class Data>
bool Creates(GF::THolder<Data> data) {
  const auto object = data->CreateObject();
  const bool made = dynamic_cast<Object*>(object.Get()) != nullptr;
  return made && object->GetObjectData() == GF::THolder<GF::IObjectData>(data.Get());
}

TEST(SceneServicesTest, ObjectDataCreateTheSceneObjects) {
  InstallSceneObjectMakers();
  EXPECT_TRUE(Creates<CSpriteObject>(GF::MakeHolder<CSpriteObjectData>("s")));
  EXPECT_TRUE(Creates<CTextSpriteObject>(GF::MakeHolder<CTextSpriteObjectData>("t")));
  EXPECT_TRUE(Creates<CClipping>(GF::MakeHolder<CClippingObjectData>()));
  EXPECT_TRUE(Creates<CSoundObject>(GF::MakeHolder<CSoundObjectData>("n")));
}

}  // namespace
