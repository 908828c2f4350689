#include "game/screens/menus/CCookPublisherScreen.h"

GF::THolder<GF::IScreen> CCookPublisherScreen::Create() {
  return GF::MakeHolder<CCookPublisherScreen>();
}
