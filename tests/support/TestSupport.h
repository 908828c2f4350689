#pragma once

#include <filesystem>

namespace pm::test {

// A folder made for this test process; HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR point
// into it, so no test touches the user's files.
const std::filesystem::path& ProcessTempDir();

// A fresh, empty folder below ProcessTempDir().
std::filesystem::path MakeTempDir(const char* tag);

}  // namespace pm::test
