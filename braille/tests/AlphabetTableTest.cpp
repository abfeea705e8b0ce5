#include "braille/AlphabetTable.h"

#include "CellText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace braille {
namespace {

using test::Cell;

// The French Braille alphabet as a primer states it: second cells in compact notation,
// one per letter, in teaching order.
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kLetterCells = "1 12 14 145 15 124 1245 125 24 245 "
                                          "13 123 134 1345 135 1234 12345 1235 234 2345 "
                                          "136 1236 2456 1346 13456 1356";
// Ç É À È Ù Â Ê Î Ô Û Ë Ï Ü and their lower case, in Windows-1252.
constexpr std::string_view kAccentedUpper = "\xC7\xC9\xC0\xC8\xD9\xC2\xCA\xCE\xD4\xDB\xCB\xCF\xDC";
constexpr std::string_view kAccentedLower = "\xE7\xE9\xE0\xE8\xF9\xE2\xEA\xEE\xF4\xFB\xEB\xEF\xFC";
constexpr std::string_view kAccentedCells = "12346 123456 12356 2346 23456 16 126 146 1456 156 "
                                            "1246 12456 1256";
constexpr std::string_view kCapitalSign = "46";
constexpr std::string_view kNumberSign = "6";

struct Sign {
    std::string_view text;
    std::string_view cell;
    std::optional<std::string_view> caption;
};

// clang-format off
constexpr Sign kSigns[] = {
    {",", "2", "Ponctuation"},
    {";", "23", "Ponctuation"},
    {":", "25", "Ponctuation"},
    {"/", "256", std::nullopt},
    {"?", "26", "Ponctuation"},
    {"!", "235", "Ponctuation"},
    {"\"", "2356", "Tr\xE9ma"},
    {"(", "236", "Parenth\xE8se ouvrante"},
    {"*", "35", std::nullopt},
    {")", "356", "Parenth\xE8se fermante"},
    {".", "3", "Ponctuation"},
    {"-", "36", "Trait d'union"},
    {"\xA7", "346", "Paragraphe"},
};
// clang-format on

struct Row {
    std::string text;
    DotSet first;
    DotSet second;
    std::optional<std::string> caption;
};

std::vector<std::string> Words(std::string_view list) {
    std::istringstream in{std::string(list)};
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

void AddLetterPair(std::vector<Row>& rows, std::string upper, std::string lower,
                   std::string_view cell, std::string lowerCaption = "minuscule") {
    rows.push_back({upper, Cell(kCapitalSign), Cell(cell), "Majuscule"});
    rows.push_back({lower, Cell(""), Cell(cell), lowerCaption});
}

// The whole table, derived from the rules: capital sign before upper case, an empty
// first cell before lower case, the number sign before digits that borrow the second
// cells of â ê î ô û ë ï ü oe, then the signs.
std::vector<Row> ExpectedRows() {
    std::vector<Row> rows;
    const auto letterCells = Words(kLetterCells);
    for (std::size_t i = 0; i < kLetters.size(); ++i)
        AddLetterPair(rows, std::string(1, kLetters[i]),
                      std::string(1, static_cast<char>(kLetters[i] - 'A' + 'a')), letterCells[i]);
    const auto accentedCells = Words(kAccentedCells);
    for (std::size_t i = 0; i < kAccentedUpper.size(); ++i)
        AddLetterPair(rows, std::string(1, kAccentedUpper[i]), std::string(1, kAccentedLower[i]),
                      accentedCells[i]);
    AddLetterPair(rows, "OE", "oe", "246", "minuscules");

    rows.push_back({"0", Cell(kNumberSign), Cell("3456"), "Num\xE9rique"});
    const std::string_view digitLetters[] = {"\xE2", "\xEA", "\xEE", "\xF4", "\xFB",
                                             "\xEB", "\xEF", "\xFC", "oe"};
    for (int digit = 1; digit <= 9; ++digit) {
        const auto letter = std::find_if(rows.begin(), rows.end(), [&](const Row& row) {
            return row.text == digitLetters[digit - 1];
        });
        rows.push_back({std::to_string(digit), Cell(kNumberSign), letter->second, "Num\xE9rique"});
    }
    for (const Sign& sign : kSigns) {
        std::optional<std::string> caption;
        if (sign.caption)
            caption = std::string(*sign.caption);
        rows.push_back({std::string(sign.text), Cell(""), Cell(sign.cell), caption});
    }
    return rows;
}

TEST(AlphabetTable, RowsFollowTheFrenchBrailleRules) {
    const auto expected = ExpectedRows();
    const auto table = AlphabetTable();
    ASSERT_EQ(expected.size(), 103u);
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1) + " \"" + expected[i].text + "\"");
        EXPECT_EQ(table[i].text, expected[i].text);
        EXPECT_EQ(table[i].first, expected[i].first);
        EXPECT_EQ(table[i].second, expected[i].second);
        EXPECT_EQ(table[i].caption, expected[i].caption);
    }
}

} // namespace
} // namespace braille
