#include "framework/engine/screens/ScreenServices.h"

#include "framework/engine/app/CGameManager.h"
#include "framework/engine/app/Services.h"
#include "framework/engine/screens/CConfirmMenuScreen.h"
#include "framework/engine/screens/CCustomCursor.h"
#include "framework/engine/screens/CNewPlayerMenuScreen.h"
#include "framework/engine/screens/CPublisherScreen.h"

namespace GF::HGENS {

void RegisterFrameworkScreens(CGameManager& manager) {
  manager.RegisterScreen("confirm_screen", CreateConfirmMenuScreen);
  manager.RegisterScreen("new_player_screen", CreateNewPlayerMenuScreen);
  manager.RegisterScreen("PublisherScreen", CreatePublisherScreen);
}

void InstallScreenServices() {
  GetServiceProviders().registerFrameworkScreens = RegisterFrameworkScreens;
  CCustomCursor::InstallProvider();
}

}  // namespace GF::HGENS
