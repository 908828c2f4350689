#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/OsServices.h"
#include "tests/support/TestSupport.h"

namespace {

const char* const kTitle = "Sizzlewick: Panmaster";

using pm::test::ScopedEnv;

TEST(OsServicesTest, SaveFolderIsTheCleanedTitleUnderXdgDataHomeWithMode0700) {
  const auto data = pm::test::MakeTempDir("xdg-data");
  ScopedEnv xdg("XDG_DATA_HOME", data);
  const std::string folder = Os::GetSaveFolder(kTitle);
  EXPECT_EQ(folder, (data / "Sizzlewick Panmaster").string());
  struct stat info;
  ASSERT_EQ(stat(folder.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  // An existing folder is fine.
  EXPECT_EQ(Os::GetSaveFolder(kTitle), folder);
}

TEST(OsServicesTest, SaveFolderFallsBackToLocalShareBelowHome) {
  const auto home = pm::test::MakeTempDir("home");
  ScopedEnv homeEnv("HOME", home);
  for (const char* data : {"", "relative/ignored"}) {
    ScopedEnv xdg("XDG_DATA_HOME", data);
    EXPECT_EQ(Os::GetSaveFolder("a/b\\c:d*e?f\"g<h>i|j"),
              (home / ".local/share/abcdefghij").string());
  }
}

TEST(OsServicesTest, SaveFolderIsEmptyWhenItCantBeMade) {
  const auto data = pm::test::MakeTempDir("xdg-file");
  std::ofstream(data / "blocker") << "x";
  ScopedEnv xdg("XDG_DATA_HOME", data / "blocker");
  EXPECT_EQ(Os::GetSaveFolder(kTitle), "");
  EXPECT_EQ(Os::GetSaveFolder(":?*"), "");  // nothing left of the title
}

TEST(OsServicesTest, ProgramDirectoryHoldsTheRunningExecutable) {
  const std::string dir = Os::GetProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(dir + "platform_OsServicesTest"));
}

TEST(OsServicesTest, InstanceLockRefusesASecondHolderUntilReleased) {
  Os::InstanceLock first;
  Os::InstanceLock second;
  ASSERT_TRUE(first.Acquire(kTitle));
  EXPECT_TRUE(first.IsHeld());
  EXPECT_FALSE(second.Acquire(kTitle));
  EXPECT_FALSE(second.IsHeld());
  Os::InstanceLock other;
  EXPECT_TRUE(other.Acquire("Another title"));
  first.Release();
  EXPECT_TRUE(second.Acquire(kTitle));
  {
    Os::InstanceLock scoped;
    second.Release();
    EXPECT_TRUE(scoped.Acquire(kTitle));
  }
  EXPECT_TRUE(first.Acquire(kTitle)) << "the destructor releases";
}

TEST(OsServicesTest, InstanceLockIsSeenByAnotherProcess) {
  Os::InstanceLock lock;
  ASSERT_TRUE(lock.Acquire(kTitle));
  const auto runtime = std::string(std::getenv("XDG_RUNTIME_DIR"));
  // flock(1) from another process must fail at once while this process holds the lock.
  std::string file;
  for (const auto& entry : std::filesystem::directory_iterator(runtime)) {
    if (entry.path().filename().string().rfind("Sizzlewick Panmaster.", 0) == 0)
      file = entry.path();
  }
  ASSERT_FALSE(file.empty());
  const std::string command = "flock -n '" + file + "' true";
  EXPECT_NE(std::system(command.c_str()), 0);
  lock.Release();
  EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST(OsServicesTest, DeleteFileRemovesAFileAndReportsWhatItCouldNot) {
  const auto dir = pm::test::MakeTempDir("delete");
  const std::filesystem::path file = dir / "Setting";
  std::ofstream(file) << "x";
  EXPECT_TRUE(Os::DeleteFile(file.string()));
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(Os::DeleteFile(file.string()));  // gone already
  EXPECT_FALSE(Os::DeleteFile(dir.string()));   // a folder is not a file
  EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST(OsServicesTest, Utf16AndUtf8RoundTrip) {
  const std::wstring units = {L'A', 0x00E9, 0x20AC, 0xD83D, 0xDE00, 0x0008};
  const std::string text = Os::Utf16ToUtf8(units);
  EXPECT_EQ(text, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\b");
  EXPECT_EQ(Os::Utf8ToUtf16(text), units);
  // Broken input gives replacement characters, never a crash or a lost tail.
  EXPECT_EQ(Os::Utf16ToUtf8(std::wstring{0xD800, L'x'}), "\xEF\xBF\xBDx");
  EXPECT_EQ(Os::Utf8ToUtf16("\xC3"), std::wstring(1, 0xFFFD));
  EXPECT_EQ(Os::Utf8ToUtf16("\xE2\x82z"), (std::wstring{0xFFFD, 0xFFFD, L'z'}));
  EXPECT_EQ(Os::Utf8ToUtf16("\xED\xA0\x80"), std::wstring(3, 0xFFFD));  // encoded surrogate
}

TEST(OsServicesTest, RegistryReadsFailUntilATestStoresAValue) {
  std::vector<std::uint8_t> value;
  EXPECT_FALSE(Os::ReadRegistryValue("SOFTWARE\\Microsoft\\DirectX", "InstalledVersion", &value));
  Os::SetRegistryValue("SOFTWARE\\Microsoft\\DirectX", "InstalledVersion", {0, 0, 0, 7});
  ASSERT_TRUE(Os::ReadRegistryValue("software\\microsoft\\directx", "INSTALLEDVERSION", &value));
  EXPECT_EQ(value, (std::vector<std::uint8_t>{0, 0, 0, 7}));
  EXPECT_FALSE(Os::ReadRegistryValue("SOFTWARE\\Microsoft", "InstalledVersion", &value));
  Os::ClearRegistryValues();
  EXPECT_FALSE(Os::ReadRegistryValue("SOFTWARE\\Microsoft\\DirectX", "InstalledVersion", &value));
}

TEST(OsServicesTest, MessageBoxAnswersComeFromTheResponder) {
  std::string seen;
  Os::SetMessageBoxResponder(
      [&](const std::string& text, const std::string& caption, Os::MessageBoxButtons buttons) {
        seen = caption + "|" + text;
        return buttons == Os::MessageBoxButtons::Ok;
      });
  EXPECT_TRUE(Os::ShowMessageBox("Please change color depth to 16 or 32 bit", kTitle,
                                 Os::MessageBoxButtons::Ok, Os::MessageBoxIcon::Warning));
  EXPECT_EQ(seen, "Sizzlewick: Panmaster|Please change color depth to 16 or 32 bit");
  EXPECT_FALSE(Os::ShowMessageBox("The game must restart for these changes to take effect", kTitle,
                                  Os::MessageBoxButtons::OkCancel, Os::MessageBoxIcon::Question));
  Os::SetMessageBoxResponder({});
  // Headless: the text goes to stderr and the default button (OK) answers.
  testing::internal::CaptureStderr();
  EXPECT_TRUE(Os::ShowMessageBox("no display", "caption", Os::MessageBoxButtons::OkCancel,
                                 Os::MessageBoxIcon::Question));
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "caption: no display\n");
}

TEST(OsServicesTest, DesktopAndSystemQueries) {
  // The offscreen display is 8-8-8 in 32-bit pixels: 32 bits of storage.
  EXPECT_EQ(Os::GetDesktopColourDepth(), 32);
  EXPECT_GT(Os::GetDesktopHeight(), 0);
  EXPECT_GT(Os::GetOsMajorVersion(), 5);
  Os::SetDesktopColourDepthOverride(24);
  Os::SetOsMajorVersionOverride(5);
  EXPECT_EQ(Os::GetDesktopColourDepth(), 24);
  EXPECT_EQ(Os::GetOsMajorVersion(), 5);
  Os::SetDesktopColourDepthOverride(0);
  Os::SetOsMajorVersionOverride(0);
  EXPECT_EQ(Os::GetDesktopColourDepth(), 32);
}

TEST(OsServicesTest, DebugOutputGoesToStderrInDebugBuilds) {
  testing::internal::CaptureStderr();
  Os::DebugOutput("Gain focus\n");
  Os::DebugOutput(nullptr);
#ifdef NDEBUG
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
#else
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Gain focus\n");
#endif
}

TEST(OsServicesTest, RaisingThePriorityIsBestEffort) {
  errno = 0;
  const int before = getpriority(PRIO_PROCESS, 0);
  const bool raised = Os::RaiseProcessPriority();
  EXPECT_EQ(getpriority(PRIO_PROCESS, 0), raised ? before - 1 : before);
}

TEST(OsServicesTest, WindowServicesNeedTheEnginesWindow) {
  int x = 0, y = 0;
  EXPECT_FALSE(Os::GetCursorClientPos(0, &x, &y));
  EXPECT_FALSE(Os::GetClientSize(12345, &x, &y));
  EXPECT_FALSE(Os::SetClientSize(0, 640, 480));
  EXPECT_FALSE(Os::SetCursorClientPos(0, 1, 1));
}

TEST(OsServicesTest, APinnedLocalTimeWrapsIntoOneDay) {
  const struct {
    double seconds;
    int hour, minute, second;
  } cases[] = {
      {0.0, 0, 0, 0},        {13 * 3600 + 30 * 60 + 0.99, 13, 30, 0},
      {86399.5, 23, 59, 59}, {86400.0 + 3723.0, 1, 2, 3},
      {-1.0, 23, 59, 59},    {std::nan(""), 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.seconds);
    Os::SetLocalTimeSource([&c] { return c.seconds; });
    const Os::LocalTime time = Os::GetLocalTime();
    EXPECT_EQ(time.hour, c.hour);
    EXPECT_EQ(time.minute, c.minute);
    EXPECT_EQ(time.second, c.second);
  }
  Os::SetLocalTimeSource(nullptr);
}

}  // namespace
