#include "framework/engine/app/Services.h"

#include "framework/engine/app/CDataInputStream.h"
#include "framework/engine/app/CDataOutputStream.h"
#include "framework/engine/app/CGameManager.h"

namespace GF::HGENS {
namespace {

// The one object a maker gives, kept until ReleaseEngineServices; empty without a maker.
template <class T>
THolder<T> Provided(THolder<T>& slot, THolder<T> (*make)()) {
  if (!slot && make) slot = make();
  return slot;
}

struct ProvidedServices {
  THolder<IMusic> music;
  THolder<IGameSound> sound;
  THolder<ICustomCursor> cursor;
};

ProvidedServices& ProvidedSlots() {
  static ProvidedServices services;
  return services;
}

}  // namespace

ServiceProviders& GetServiceProviders() {
  static ServiceProviders providers;
  return providers;
}

THolder<CKeyset> GetKeyset() {
  return CKeyset::Instance();
}

THolder<CMouse> GetMouse() {
  static THolder<CMouse> mouse = MakeHolder<CMouse>();
  return mouse;
}

THolder<CGameProperties> GetGameProperties() {
  return CGameProperties::Instance();
}

THolder<IMusic> GetMusic() {
  return Provided(ProvidedSlots().music, GetServiceProviders().createMusic);
}

THolder<IGameSound> GetGameSound() {
  return Provided(ProvidedSlots().sound, GetServiceProviders().createGameSound);
}

THolder<ICustomCursor> GetCustomCursor() {
  return Provided(ProvidedSlots().cursor, GetServiceProviders().createCustomCursor);
}

THolder<IDataInputStream> CreateDataInputStream() {
  return MakeHolder<CDataInputStream>();
}

THolder<IDataOutputStream> CreateDataOutputStream() {
  return MakeHolder<CDataOutputStream>();
}

void ReleaseEngineServices() {
  if (HasGameManager()) GetGameManager()->Shutdown();
  ProvidedServices& services = ProvidedSlots();
  services.music.Reset();
  services.sound.Reset();
  services.cursor.Reset();
}

}  // namespace GF::HGENS
