#include "framework/engine/resources/ResourceServices.h"

#include "framework/engine/app/Services.h"
#include "framework/engine/resources/CResource.h"
#include "framework/engine/resources/CResourceReader.h"

namespace GF::HGENS {

void LoadResources() {
  GetResources()->Load();
}

void UnloadResources() {
  GetResources()->Unload();
}

void CompileResourceScript(const char* source, const char* destination) {
  // A registry of its own: the tool fills nothing, it only builds and saves.
  const auto registry = GF::MakeHolder<CResource>();
  GF::MakeHolder<CResourceReader>(*registry)->Compile(source, destination);
}

void InstallResourceServices() {
  ServiceProviders& providers = GetServiceProviders();
  providers.loadResources = LoadResources;
  providers.unloadResources = UnloadResources;
  providers.compileResourceScript = CompileResourceScript;
}

}  // namespace GF::HGENS
