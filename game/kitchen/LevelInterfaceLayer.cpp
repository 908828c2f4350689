#include "game/kitchen/LevelInterfaceLayer.h"

namespace {

GF::THolder<GF::IScene>& LevelInterfaceLayer() {
  static GF::THolder<GF::IScene> scene;
  return scene;
}

}  // namespace

void SetLevelInterfaceLayer(GF::THolder<GF::IScene> scene) {
  LevelInterfaceLayer() = scene;
}

GF::THolder<GF::IScene> GetLevelInterfaceLayer() {
  return LevelInterfaceLayer();
}
