#pragma once

#include "framework/engine/screens/CPublisherScreen.h"

// The start-up logo screen under the game's own class ("PublisherScreen"): the framework's
// splash images, then "starting".
class CCookPublisherScreen : public GF::HGENS::CPublisherScreen {
 public:
  static GF::THolder<GF::IScreen> Create();
};
