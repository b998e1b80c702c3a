#pragma once

#include <cstdint>
#include <string>

#include "FileLayer.h"
#include "LanguageView.h"
#include "SharedState.h"
#include "UserSettings.h"

namespace quorvex {

// Loads the language files into the text tables and applies a language to the main window.
class Languages {
public:
    static constexpr const char* MainFile = "qvx_light_131.txt";
    static constexpr const char* RecoveryFile = "lang_re.txt";
    static constexpr const char* BrowserFile = "lang_ff.txt";
    static constexpr const char* Version = "v1.32";
    // Language files are looked up in the program folder first, then in installedDataFolder,
    // last among the texts built into the program (unless withBuiltInTexts is false), so that
    // a program copied away from its data folder still shows its texts.
    Languages(FileLayer& files, UserSettings& settings, SharedState& state,
              std::string installedDataFolder, bool withBuiltInTexts = true);

    // Index e of the target receives column `language` of file entry e + 2 - rowShift, for
    // e = 0..148. A file missing everywhere gives empty texts; a file found that cannot be
    // read, or holds no entries (empty, or not a language file), raises RunTimeError.
    void LoadLanguageFile(const std::string& fileName, std::int16_t language, TextTable& target,
                          int rowShift);

    // Loads and shows every text of the language; a number outside 1..5 becomes 1, also in
    // the caller's variable. The number is kept as the user's setting.
    void ApplyLanguage(std::int16_t& language, LanguageView& view);

    static std::string MainWindowTitle(const TextTable& mainText);

private:
    std::string languageText(const std::string& fileName);
    std::string locate(const std::string& fileName);
    std::string readBuiltInFile(const std::string& fileName) const;
    std::string readWholeFile(const std::string& path);

    FileLayer& files_;
    UserSettings& settings_;
    SharedState& state_;
    std::string installedDataFolder_;
    bool withBuiltInTexts_;
};

}  // namespace quorvex
