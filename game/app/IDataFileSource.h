#pragma once

#include <string>

#include "framework/core/CInputStream.h"
#include "framework/core/IDataInputStream.h"
#include "framework/core/THolder.h"

// Where the game's data files come from and where their faults are reported: the engine's
// resource access and log in the game; tests put bytes and a log of their own in its place.
class IDataFileSource {
 public:
  virtual ~IDataFileSource() = default;
  // A stream over the whole resource file (a Windows-style name such as
  // "Binary\gamedata.bin"), or an empty holder when there is none.
  virtual GF::THolder<GF::IDataInputStream> Open(const std::string& resourceName) = 0;
  virtual void Log(const std::string& line) = 0;
};

// The source the loaders use: the engine's unless another one is installed.
IDataFileSource& DataFileSource();
// Installs a source, or with null the engine's again; the caller keeps it alive meanwhile.
void SetDataFileSource(IDataFileSource* source);

// Looks fileName up in "Binary_2\" and then in "Binary\" and hands the first one found to
// load. A file found in neither is silently not loaded. Returns whether load succeeded.
bool LoadDataFile(const std::string& fileName, bool (*load)(GF::CInputStream& in));

// The log line of a data file that failed to read; its tables were kept as they were.
void LogDataFault(const char* fileName, const char* section);
