#include "game/app/IDataFileSource.h"

#include "game/app/CEngineDataFileSource.h"

namespace {
IDataFileSource* installedSource = nullptr;
}  // namespace

IDataFileSource& DataFileSource() {
  static CEngineDataFileSource engineSource;
  return installedSource ? *installedSource : engineSource;
}

void SetDataFileSource(IDataFileSource* source) {
  installedSource = source;
}

bool LoadDataFile(const std::string& fileName, bool (*load)(GF::CInputStream& in)) {
  IDataFileSource& source = DataFileSource();
  GF::THolder<GF::IDataInputStream> stream = source.Open("Binary_2\\" + fileName);
  if (!stream) stream = source.Open("Binary\\" + fileName);
  return stream && load(*stream);
}

void LogDataFault(const char* fileName, const char* section) {
  DataFileSource().Log(std::string("[E] ") + fileName + ": " + section +
                       " is damaged; the file is not loaded");
}
