#pragma once

#include <string>

#include "FileLayer.h"
#include "MainWindowHost.h"
#include "Prompts.h"
#include "SharedState.h"

namespace quorvex {

// The program's start: fixes the program folder, resets the shared counters and shows the main
// window. Any failure on the way is reported once as a load error, with its number and what
// went wrong, and ends the program.
class Main {
public:
    Main(SharedState& state, FileLayer& files, Prompts& prompts, MainWindowHost& window);

    // True when the main window is up; false after a load error.
    bool run();

    static std::string ProgramPathFor(std::string currentDirectory);
    static std::string LoadErrorText(int errorNumber, const std::string& cause);

private:
    void reportLoadError(int errorNumber, const std::string& cause);

    SharedState& state_;
    FileLayer& files_;
    Prompts& prompts_;
    MainWindowHost& window_;
};

}  // namespace quorvex
