#pragma once

// The few operating-system services the game needs beside the engine: message boxes, the
// single-instance lock, the program's and the save folder, display and system queries, the
// registry stand-in, process priority, cursor and window placement, debugger output, and
// printing.
// Each service lives in its own platform/Os*.cpp; nothing here exposes SDL, POSIX, cairo or
// CUPS types.
// Paths and texts are UTF-8; wide strings hold UTF-16 units.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Os {

// ---- Message box (OsMessageBox.cpp) ----

enum class MessageBoxButtons { Ok, OkCancel };
enum class MessageBoxIcon { Warning, Question, Error, Information };

// Shows a modal message box; true when the user answered OK. Without a display the text
// goes to stderr and the answer is OK (the default button).
bool ShowMessageBox(const char* text, const char* caption, MessageBoxButtons buttons,
                    MessageBoxIcon icon);

// Tests script the answers: while set, every box goes to the responder instead of the
// screen (and is not printed). An empty function restores the real boxes.
using MessageBoxResponder =
    std::function<bool(const std::string& text, const std::string& caption, MessageBoxButtons)>;
void SetMessageBoxResponder(MessageBoxResponder responder);

// ---- Single-instance lock (InstanceLock.cpp) ----

// A lock file named after a title in the runtime folder ($XDG_RUNTIME_DIR, else the temp
// folder), held with an advisory lock: a second holder, in this process or another, is
// refused. The lock ends with Release, the destructor or the process, and is not inherited
// by launched programs.
class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

  // True when this object now holds the lock named after the title; false when another
  // holder has it (or the lock file can't be made).
  bool Acquire(const std::string& title);
  void Release();
  bool IsHeld() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// ---- Folders (OsFolders.cpp) ----

// The folder of the running executable, ending with '/'; empty when unknown.
std::string GetProgramDirectory();

// The title without the characters a folder name can't hold on every system:
// \ / : * ? " < > |
std::string CleanTitle(std::string_view title);

// The save folder: $XDG_DATA_HOME (else ~/.local/share) + "/" + CleanTitle(title), created
// with mode 0700 when missing. No trailing '/'. Empty when no base folder is known or the
// folder can't be created.
std::string GetSaveFolder(std::string_view title);

// ---- Files (OsFiles.cpp) ----

// Renames from over to, after the bytes of from reached the disk; false on failure.
bool ReplaceFile(const std::string& from, const std::string& to);

// Removes the file; false when it could not be removed (missing, a folder, no permission).
bool DeleteFile(const std::string& path);

// Writes the bytes to a temporary file of this process beside path, then replaces path with
// it: a reader, or the next start after a crash, finds the old file or the new one, never a
// part of it. False (and no temporary file left) on failure.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// ---- Text conversion at OS boundaries (OsText.cpp) ----

// UTF-16 units (one per wchar_t) <-> UTF-8. Unpaired surrogates and invalid bytes become
// U+FFFD.
std::string Utf16ToUtf8(std::wstring_view units);
std::wstring Utf8ToUtf16(std::string_view text);

// ---- Display and system (OsSystem.cpp) ----

// Bits of storage per pixel of the desktop: an 8-8-8 desktop in 32-bit pixels counts as 32.
// 32 when no display can be asked.
int GetDesktopColourDepth();
// The height of the desktop in pixels (0 when unknown).
int GetDesktopHeight();
// The system's major version on the scale the game's checks use: every supported system
// counts as modern (above 5).
int GetOsMajorVersion();
// Tests: pretend another value; 0 restores the real query.
void SetDesktopColourDepthOverride(int bitsPerPixel);
void SetOsMajorVersionOverride(int major);
void SetDesktopHeightOverride(int height);

// Raises the process's scheduling priority a little; best effort, false when refused.
bool RaiseProcessPriority();

// Debug builds: the text to stderr (as a debugger's output window would show it).
void DebugOutput(const char* text);

// ---- Local time (OsClock.cpp) ----

// The time of day on the wall clock of the player's room.
struct LocalTime {
  int hour = 0;  // 0 to 23
  int minute = 0;
  int second = 0;
};

// The system's local time, or the pinned one while a source is set.
LocalTime GetLocalTime();

// Pins the local time to a source of seconds since midnight (wrapped into one day; the
// fraction is dropped): replays stand the clock still so their pictures repeat, and tests
// set the hour they need. An empty function restores the system's clock.
void SetLocalTimeSource(std::function<double()> secondsOfDay);

// ---- Registry stand-in (OsRegistry.cpp) ----

// Values of the machine-wide registry the game only reads. Linux has none, so reads fail
// (and the game's checks pass) unless a test has stored a value. Key paths use backslashes
// and match case-insensitively, like the values' names.
bool ReadRegistryValue(std::string_view key, std::string_view name,
                       std::vector<std::uint8_t>* value);
void SetRegistryValue(std::string_view key, std::string_view name, std::vector<std::uint8_t> value);
void ClearRegistryValues();

// ---- Cursor and window placement (OsWindow.cpp) ----
// `window` is the engine's EngineState::Hwnd value. Client coordinates are pixels of the
// window's client area as the game sees it: the letterboxed viewport of the logical screen.

// The cursor in client coordinates (may lie outside the client); false without a window.
bool GetCursorClientPos(std::uintptr_t window, int* x, int* y);
// Moves the cursor to a point of the client area.
bool SetCursorClientPos(std::uintptr_t window, int x, int y);
// The client (viewport) size; false without a window.
bool GetClientSize(std::uintptr_t window, int* width, int* height);
// Restores a minimised or maximised window and sizes it so that its client is
// width x height, keeping its position (windowed mode only).
bool SetClientSize(std::uintptr_t window, int width, int height);

// ---- Printing (OsPrinting.cpp) ----

// Text layout flags of PrintJob::DrawText, with the values of the Windows DrawText call.
enum : unsigned {
  kTextCenter = 0x01,      // each line centred between left and right
  kTextWordBreak = 0x10,   // lines wrap at blanks to fit the rectangle
  kTextExpandTabs = 0x40,  // accepted; tabs never reach the printer
  kTextNoClip = 0x100,     // text may leave the rectangle
};

// A one-page print job in device pixels of 300 dpi, origin at the page's top-left corner.
// Its destination: the file that PANMASTER_PRINT_FILE names (a picture of the page when
// the name ends in ".png", else a PDF), and then nothing goes to a printer; otherwise the
// default printer of the print system. The steps follow a printer job's life, each false
// when it failed; a job dropped before EndDocument leaves no file and prints nothing.
class PrintJob {
 public:
  PrintJob();
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // The destination; false when no file is named and there is no default printer.
  bool FindDestination();
  // The page, as large as the destination's default paper (A4 when unknown).
  bool CreateSurface();
  // The document, named title for the printer's queue and the PDF.
  bool StartDocument(const std::string& title);
  bool StartPage();
  int PageWidth() const;
  int PageHeight() const;

  // Text: black, on a band of the background colour (0xRRGGBB) behind each line, in the
  // face given (DejaVu Sans stands in for "Arial") sized so that a line is cellHeight
  // pixels high. LF, CR, CR LF and LF CR each break a line; a word too wide for the
  // rectangle stands alone on its line. Texts are UTF-16.
  void SetBackgroundColour(std::uint32_t rgb);
  void SelectFont(const std::string& face, int cellHeight);
  void DrawText(std::wstring_view text, int left, int top, int right, int bottom, unsigned flags);
  // An opaque picture of width x height 0xRRGGBB words, rows from the top, stretched over
  // the rectangle at (x, y) of w x h pixels.
  void DrawImage(const std::uint32_t* rgb, int width, int height, double x, double y, double w,
                 double h);

  bool EndPage();
  // Writes the file; for a printer, submits it as one job.
  bool EndDocument();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace Os
