#include "game/app/CEngineDataFileSource.h"

#include "framework/engine/resources/CBlobReader.h"
#include "platform/Engine.h"

GF::THolder<GF::IDataInputStream> CEngineDataFileSource::Open(const std::string& resourceName) {
  GF::THolder<GF::HGENS::CBlobReader> reader = GF::HGENS::CreateBlobReader();
  if (!reader->Open(resourceName.c_str())) return {};
  return reader;
}

void CEngineDataFileSource::Log(const std::string& line) {
  Engine* engine = hgeCreate(ENGINE_VERSION);
  if (!engine) return;
  engine->Log("%s", line.c_str());
  engine->Release();
}
