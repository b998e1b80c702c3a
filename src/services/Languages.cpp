#include "Languages.h"

#include <cmath>
#include <limits>
#include <memory>

#include "BuiltInTexts.h"
#include "LanguageFileParser.h"
#include "RunTimeError.h"
#include "TextDecoding.h"
#include "TextNumber.h"

namespace quorvex {

namespace {

constexpr std::string_view kEntrySeparator = "\xC2\xB6";
constexpr std::string_view kColumnSeparator = "|";
constexpr int kLastLoadedIndex = 148;
// The shipped language files hold about 10 KiB; even 150 entries of 20 languages at a thousand
// characters each stay below 4 MiB. A larger file is not a language file, and the cap keeps what
// a wrong file costs (its bytes, their decoded text and the table) to a few tens of MiB.
constexpr std::int64_t kLargestLanguageFile = 4 * 1024 * 1024;

std::int16_t fontCharSetOf(const std::string& text) {
    const double value = std::nearbyint(TextNumber::leadingValue(text));
    if (!(std::abs(value) <= std::numeric_limits<std::int16_t>::max())) return 0;
    return static_cast<std::int16_t>(value);
}

}  // namespace

Languages::Languages(FileLayer& files, UserSettings& settings, SharedState& state,
                     std::string installedDataFolder, bool withBuiltInTexts)
    : files_(files),
      settings_(settings),
      state_(state),
      installedDataFolder_(std::move(installedDataFolder)),
      withBuiltInTexts_(withBuiltInTexts) {}

void Languages::LoadLanguageFile(const std::string& fileName, std::int16_t language,
                                 TextTable& target, int rowShift) {
    const std::string text = languageText(fileName);
    auto table = std::make_unique<LanguageFileParser::ParsedTable>();
    LanguageFileParser::SplitTable(text, *table, kColumnSeparator, kEntrySeparator,
                                   LanguageFileParser::MaxEntries);
    for (int index = 0; index <= kLastLoadedIndex; ++index) {
        const std::int64_t entry = std::int64_t{index} + 2 - rowShift;
        if (entry < 0 || entry > LanguageFileParser::MaxEntries || language < 0 ||
            language > LanguageFileParser::MaxColumns)
            throw RunTimeError(ErrorNumber::SubscriptOutOfRange, fileName);
        target[static_cast<std::size_t>(index)] =
            (*table)[static_cast<std::size_t>(entry)][static_cast<std::size_t>(language)];
    }
}

void Languages::ApplyLanguage(std::int16_t& language, LanguageView& view) {
    state_.CurrentLanguage = language;
    if (language < 1 || language > 5) language = 1;
    LoadLanguageFile(MainFile, language, state_.Lang_MainText, 0);
    state_.LangFontCharSet = fontCharSetOf(state_.Lang_MainText[0]);
    settings_.SaveUserSetting(std::to_string(language), UserSettings::LanguageValue);
    state_.Lang_MainText[2] = Version;
    view.showMainTexts(state_);
    LoadLanguageFile(RecoveryFile, language, state_.Lang_RPText, 0);
    view.showRecoveryTexts(state_);
}

std::string Languages::MainWindowTitle(const TextTable& mainText) {
    return mainText[1] + " " + mainText[2] + " " + mainText[3];
}

// The file's text in UTF-8. A language file always holds more than one entry; one without an
// entry separator (an empty file, a file of another kind) would leave the window without texts.
std::string Languages::languageText(const std::string& fileName) {
    const std::string path = locate(fileName);
    if (path.empty()) return TextDecoding::languageFileText(readBuiltInFile(fileName));
    std::string text = TextDecoding::languageFileText(readWholeFile(path));
    if (text.find(kEntrySeparator) == std::string::npos)
        throw RunTimeError(ErrorNumber::PathFileAccessError, path + " holds no language texts");
    return text;
}

std::string Languages::locate(const std::string& fileName) {
    for (const std::string& folder : {state_.ProgramPath, installedDataFolder_}) {
        if (folder.empty()) continue;
        const std::string path = folder + fileName;
        if (files_.exists(path)) return path;
    }
    return {};
}

std::string Languages::readBuiltInFile(const std::string& fileName) const {
    if (!withBuiltInTexts_) return {};
    return std::string(BuiltInTexts::find(fileName).value_or(std::string_view()));
}

// The length is checked before anything is read; a file that grew since is read only as far
// as that length. The file layer opens nothing but regular files and block devices, without
// waiting for a pipe's writer.
std::string Languages::readWholeFile(const std::string& path) {
    files_.open(FileNumber::Text, path, FileOpenMode::ReadThroughLink);
    try {
        const std::int64_t length = files_.length(FileNumber::Text);
        if (length < 0 || length > kLargestLanguageFile)
            throw RunTimeError(ErrorNumber::PathFileAccessError,
                               path + " holds " + std::to_string(length) +
                                   " bytes, more than a language file can hold (4 MiB)");
        std::string text(static_cast<std::size_t>(length), '\0');
        text.resize(files_.read(FileNumber::Text, 1, text));
        files_.close(FileNumber::Text);
        return text;
    } catch (...) {
        files_.close(FileNumber::Text);
        throw;
    }
}

}  // namespace quorvex
