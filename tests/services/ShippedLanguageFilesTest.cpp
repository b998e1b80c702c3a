#include <gtest/gtest.h>


#include "LanguageTableSource.h"
#include "Languages.h"
#include "MemorySettingsStore.h"
#include "PosixFileLayer.h"
#include "PosixSystemCalls.h"

namespace quorvex {
namespace {

struct ShippedFile {
    const char* name;
    const char* table;
    int rowShift;
};

const ShippedFile kShippedFiles[] = {{Languages::MainFile, "qvx_light_131.tsv", 0},
                                     {Languages::RecoveryFile, "lang_re.tsv", 0},
                                     {Languages::BrowserFile, "lang_ff.tsv", 1}};

// The packed files that the program ships, loaded the way the program loads them.
class ShippedLanguageFilesTest : public ::testing::TestWithParam<ShippedFile> {
protected:
    TextTable load(std::int16_t language) {
        TextTable table{};
        languages.LoadLanguageFile(GetParam().name, language, table, GetParam().rowShift);
        return table;
    }

    PosixSystemCalls calls;
    PosixFileLayer files{calls};
    test::MemorySettingsStore store;
    UserSettings settings{store};
    SharedState state;
    Languages languages{files, settings, state,
                        QUORVEX_BUILD_DATA_DIR};
};

TEST_P(ShippedLanguageFilesTest, EveryTextArrivesAtItsIndexInEveryLanguage) {
    const auto rows = test::readLanguageTable(std::string(QUORVEX_LANGUAGE_SOURCES) +
                                              GetParam().table);
    ASSERT_FALSE(rows.empty());
    for (std::int16_t language = 1; language <= 4; ++language) {
        const TextTable table = load(language);
        for (int index = 0; index <= 148; ++index) {
            const auto row = rows.find(index);
            const std::string expected = row == rows.end() ? "" : row->second[language - 1];
            EXPECT_EQ(table[index], expected) << "index " << index << ", language " << language;
            if (row != rows.end()) {
                EXPECT_FALSE(table[index].empty()) << "index " << index;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFiles, ShippedLanguageFilesTest, ::testing::ValuesIn(kShippedFiles),
                         [](const auto& info) {
                             std::string name = info.param.table;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace quorvex
