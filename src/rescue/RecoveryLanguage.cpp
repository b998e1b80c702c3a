#include "RecoveryLanguage.h"

#include <filesystem>

#include "Languages.h"
#include "NullSettingsStore.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"
#include "ProgramConfig.h"
#include "RunTimeError.h"
#include "UserSettings.h"

namespace quorvex {

namespace {

constexpr std::int16_t kEnglish = 1;

}  // namespace

TextTable RecoveryLanguage::load(std::string& problem) {
    TextTable texts{};
    PosixSystemCalls calls;
    PosixFileLayer files(calls);
    NullSettingsStore store;
    UserSettings settings(store);
    SharedState state;
    Languages languages(files, settings, state, installedDataFolder());
    try {
        languages.LoadLanguageFile(Languages::RecoveryFile, kEnglish, texts, 0);
    } catch (const RunTimeError& error) {
        problem = error.what();
        texts = {};
    }
    return texts;
}

std::string RecoveryLanguage::installedDataFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const fs::path folder = program.parent_path() / ProgramConfig::DataFolderFromExecutable;
    std::string path = folder.lexically_normal().string();
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

}  // namespace quorvex
