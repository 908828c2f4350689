#pragma once

#include "game/app/IDataFileSource.h"

// The data files through the engine: blob readers over its packs and folders, and its log.
class CEngineDataFileSource : public IDataFileSource {
 public:
  GF::THolder<GF::IDataInputStream> Open(const std::string& resourceName) override;
  void Log(const std::string& line) override;
};
