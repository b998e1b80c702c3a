#include <gtest/gtest.h>

#include <memory>

#include "ErrorNumberOf.h"
#include "LanguageFileParser.h"
#include "RunTimeError.h"

namespace quorvex {
namespace {

const std::string kPilcrow = "\xC2\xB6";

class LanguageFileParserTest : public ::testing::Test {
protected:
    const LanguageFileParser::ParsedTable& split(const std::string& text) {
        LanguageFileParser::SplitTable(text, *table, "|", kPilcrow, 150);
        return *table;
    }
    int pieces(const std::string& text) {
        return LanguageFileParser::SplitQuoted(text, list, kPilcrow);
    }

    std::unique_ptr<LanguageFileParser::ParsedTable> table =
        std::make_unique<LanguageFileParser::ParsedTable>();
    LanguageFileParser::PieceList list;
};

// Entries are cut at pilcrows outside quotes (the quotes are dropped) and keep their numbers
// across empty ones; only blanks are trimmed; a final separator makes no further entry, but a
// final blank piece is kept, trimmed.
TEST_F(LanguageFileParserTest, CutsEntriesAtPilcrowsOutsideQuotes) {
    const std::string P = kPilcrow;
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"one" + P + "\"two" + P + "still two\"" + P + "three",
         {"one", "two" + P + "still two", "three"}},
        {"a" + P + P + "c", {"a", "", "c"}},
        {"a" + P + "b" + P, {"a", "b"}},
        {"a" + P + "   ", {"a", ""}},
        {"", {}},
        {"  padded  " + P + "\r\nnext\t", {"padded", "\r\nnext\t"}},
    };
    for (const auto& [text, expected] : cases) {
        ASSERT_EQ(pieces(text), static_cast<int>(expected.size())) << text;
        for (std::size_t index = 0; index < expected.size(); ++index)
            EXPECT_EQ(list[index + 1], expected[index]) << text;
    }
}

TEST_F(LanguageFileParserTest, ReadsAtMost150Entries) {
    std::string text;
    for (int entry = 1; entry <= 160; ++entry) text += std::to_string(entry) + kPilcrow;
    EXPECT_EQ(pieces(text), 150);
    EXPECT_EQ(list[150], "150");
    EXPECT_EQ(split(text)[150][1], "150");
}

TEST_F(LanguageFileParserTest, CutsEachEntryIntoOneTextPerLanguage) {
    const auto& cells = split("ignored" + kPilcrow + "en|ru|fr|es" + kPilcrow +
                              " lead |second|" + kPilcrow + "only" + kPilcrow + "|x");
    EXPECT_EQ(cells[2][1], "en");
    EXPECT_EQ(cells[2][4], "es");
    EXPECT_EQ(cells[2][5], "") << "a missing language gives an empty text";
    EXPECT_EQ(cells[3][1], "lead ") << "the entry is trimmed, its texts are not";
    EXPECT_EQ(cells[3][2], "second");
    EXPECT_EQ(cells[3][3], "") << "a final bar starts no further text";
    EXPECT_EQ(cells[4][1], "only");
    EXPECT_EQ(cells[5][1], "");
    EXPECT_EQ(cells[5][2], "x");
    EXPECT_EQ(cells[0][1], "");
    EXPECT_EQ(cells[2][0], "");
}

TEST_F(LanguageFileParserTest, CyrillicAndAccentedTextsSurviveTheCut) {
    // The second byte of "ж" equals the second byte of the pilcrow; only whole pilcrows cut.
    const auto& cells = split("x" + kPilcrow + "file|файл жёлтый|fichier été|archivo año");
    EXPECT_EQ(cells[2][2], "файл жёлтый");
    EXPECT_EQ(cells[2][3], "fichier été");
    EXPECT_EQ(cells[2][4], "archivo año");
}

TEST_F(LanguageFileParserTest, MoreThanTwentyTextsIsASubscriptError) {
    std::string twenty;
    for (int column = 1; column <= 20; ++column) twenty += "t" + std::to_string(column) + "|";
    EXPECT_EQ(split(twenty)[1][20], "t20");
    EXPECT_EQ(test::errorNumberOf([&] { split(twenty + "t21"); }),
              ErrorNumber::SubscriptOutOfRange);
}

}  // namespace
}  // namespace quorvex
