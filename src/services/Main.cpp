#include "Main.h"

#include <new>

#include "ErrorTable.h"
#include "ProgramConfig.h"
#include "RunTimeError.h"

namespace quorvex {

Main::Main(SharedState& state, FileLayer& files, Prompts& prompts, MainWindowHost& window)
    : state_(state), files_(files), prompts_(prompts), window_(window) {}

bool Main::run() {
    try {
        state_.ProgramPath = ProgramPathFor(files_.currentDirectory());
        state_.MediaTick = 0;
        window_.createWizard();
        window_.showWizard();
        return true;
    } catch (const RunTimeError& error) {
        reportLoadError(error.number(), error.what());
    } catch (const std::bad_alloc&) {
        reportLoadError(ErrorNumber::OutOfMemory, ErrorTable::describe(ErrorNumber::OutOfMemory));
    } catch (const std::exception& error) {
        reportLoadError(
            ErrorNumber::InternalError,
            std::string(ErrorTable::describe(ErrorNumber::InternalError)) + ": " + error.what());
    }
    return false;
}

std::string Main::ProgramPathFor(std::string currentDirectory) {
    if (currentDirectory.empty() || currentDirectory.back() != '/') currentDirectory += '/';
    return currentDirectory;
}

std::string Main::LoadErrorText(int errorNumber, const std::string& cause) {
    return "Load Error #" + std::to_string(errorNumber) + "\r" + cause + "\r" +
           "Please inform us about this problem." + "\r" + ProgramConfig::SupportAddress;
}

void Main::reportLoadError(int errorNumber, const std::string& cause) {
    prompts_.messageBox(PromptIcon::Critical, PromptButtons::Ok, ProgramConfig::Title,
                        LoadErrorText(errorNumber, cause));
    try {
        window_.unloadWizard();
    } catch (...) {
        // The program ends next; a window that fails to unload leaves nothing to clean up.
    }
}

}  // namespace quorvex
