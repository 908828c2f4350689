#pragma once

// The program itself, "panmaster" beside the test, run on the sample content: headless, in
// the deterministic mode on a replay script, with a user data folder of its own.

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/OsServices.h"
#include "tests/support/TestSupport.h"

namespace pm::test {

struct ProgramRun {
  int status = -1;               // the exit status, -1 when it did not exit normally
  std::vector<std::string> log;  // engine.log

  bool Has(const std::string& line) const {
    return std::find(log.begin(), log.end(), line) != log.end();
  }
  bool HasLineWith(const std::string& part) const {
    return std::any_of(log.begin(), log.end(), [&](const std::string& line) {
      return line.find(part) != std::string::npos;
    });
  }
};

// The user data folder of a run in `folder`: the settings file and the log go to
// "<data>/Sizzlewick Panmaster".
inline std::filesystem::path ProgramDataFolder(const std::filesystem::path& folder) {
  return folder / "data" / "Sizzlewick Panmaster";
}

// Runs the program with the replay script (kept as "run.txt" in the folder) and the
// arguments after the program's path.
inline ProgramRun RunProgram(const std::filesystem::path& folder, const std::string& script,
                             const std::string& arguments = "") {
  std::ofstream(folder / "run.txt") << script;
  ScopedEnv dataHome("XDG_DATA_HOME", (folder / "data").string());
  ScopedEnv replay("PANMASTER_REPLAY", (folder / "run.txt").string());
  const std::string command = "'" + Os::GetProgramDirectory() + "panmaster' " + arguments + " 2>'" +
                              (folder / "stderr.txt").string() + "'";
  ProgramRun run;
  const int status = std::system(command.c_str());
  if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
  std::ifstream log(ProgramDataFolder(folder) / "engine.log");
  for (std::string line; std::getline(log, line);) run.log.push_back(line);
  return run;
}

}  // namespace pm::test
