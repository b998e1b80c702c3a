#include "Main.h"

#include <new>

#include "ProgramConfig.h"
#include "RunTimeError.h"

namespace quorvex {

Main::Main(SharedState& state, FileLayer& files, Prompts& prompts, MainWindowHost& window)
    : state_(state), files_(files), prompts_(prompts), window_(window) {}

bool Main::run() {
    int errorNumber = 0;
    try {
        state_.ProgramPath = ProgramPathFor(files_.currentDirectory());
        state_.MediaTick = 0;
        window_.createWizard();
        window_.showWizard();
        return true;
    } catch (const RunTimeError& error) {
        errorNumber = error.number();
    } catch (const std::bad_alloc&) {
        errorNumber = ErrorNumber::OutOfMemory;
    } catch (const std::exception&) {
        errorNumber = ErrorNumber::InternalError;
    }
    reportLoadError(errorNumber);
    return false;
}

std::string Main::ProgramPathFor(std::string currentDirectory) {
    if (currentDirectory.empty() || currentDirectory.back() != '/') currentDirectory += '/';
    return currentDirectory;
}

std::string Main::LoadErrorText(int errorNumber) {
    return "Load Error #" + std::to_string(errorNumber) + "\r" +
           "Please inform us about this problem." + "\r" + ProgramConfig::SupportAddress;
}

void Main::reportLoadError(int errorNumber) {
    prompts_.messageBox(PromptIcon::Critical, PromptButtons::Ok, ProgramConfig::Title,
                        LoadErrorText(errorNumber));
    try {
        window_.unloadWizard();
    } catch (...) {
        // The program ends next; a window that fails to unload leaves nothing to clean up.
    }
}

}  // namespace quorvex
