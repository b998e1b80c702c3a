#include <gtest/gtest.h>

#include <memory>

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

TEST_F(LanguageFileParserTest, CutsEntriesAtPilcrowsOutsideQuotes) {
    EXPECT_EQ(pieces("one" + kPilcrow + "\"two" + kPilcrow + "still two\"" + kPilcrow + "three"), 3);
    EXPECT_EQ(list[1], "one");
    EXPECT_EQ(list[2], "two" + kPilcrow + "still two") << "quotes are dropped";
    EXPECT_EQ(list[3], "three");
}

TEST_F(LanguageFileParserTest, KeepsEntryNumbersAcrossEmptyEntries) {
    EXPECT_EQ(pieces("a" + kPilcrow + kPilcrow + "c"), 3);
    EXPECT_EQ(list[2], "");
    EXPECT_EQ(list[3], "c");
}

TEST_F(LanguageFileParserTest, AFinalSeparatorMakesNoFurtherEntry) {
    EXPECT_EQ(pieces("a" + kPilcrow + "b" + kPilcrow), 2);
    EXPECT_EQ(list[2], "b");
    EXPECT_EQ(pieces("a" + kPilcrow + "   "), 2) << "a final blank piece is kept, trimmed";
    EXPECT_EQ(list[2], "");
    EXPECT_EQ(pieces(""), 0);
}

TEST_F(LanguageFileParserTest, TrimsBlanksOnlyAndKeepsLineBreaks) {
    pieces("  padded  " + kPilcrow + "\r\nnext\t");
    EXPECT_EQ(list[1], "padded");
    EXPECT_EQ(list[2], "\r\nnext\t");
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
    try {
        split(twenty + "t21");
        FAIL() << "expected a subscript error";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::SubscriptOutOfRange);
    }
}

}  // namespace
}  // namespace quorvex
