#pragma once

#include <memory>
#include <string>
#include <vector>

class Engine;

namespace GF::HGENS {

class CApplication;

// Makes the game's application object for the engine; null when there is none.
using ApplicationFactory = std::unique_ptr<CApplication> (*)(Engine* engine);

// The program: the "/cr" tool road, or the start-up checks, the single instance, the engine
// set up and started, the application made by the factory, initialised, run and shut down,
// and everything torn down. Always returns 0.
int RunProgram(int argc, char** argv, ApplicationFactory factory);

// Splits a command line into words: white space separates them; a word that starts with a
// double quote runs to a double quote followed by white space or the end, without the quotes.
std::vector<std::string> SplitCommandLine(const std::string& text);

// The start-up checks, each failure with its message box: false ends the program.
bool CheckSystem();
// False only when the registry gives a video memory size below 8 MiB.
bool GetVideoMemorySize();
// False when another instance of the program runs.
bool AcquireSingleInstance();
// Ends this process's hold on the single-instance lock (so a relaunched program starts).
void ReleaseSingleInstance();
// The one application object of the process; a different one held before is deleted.
void SetApplication(std::unique_ptr<CApplication> application);

}  // namespace GF::HGENS
