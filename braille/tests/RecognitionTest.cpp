#include "braille/Recognition.h"

#include "braille/AlphabetTable.h"

#include "CellText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace braille {
namespace {

using test::Cell;

// The plain reading: rows in table order, the first whose twelve dots all match.
std::optional<std::string_view> SearchRowsInOrder(DotSet first, DotSet second) {
    for (const AlphabetRow& row : AlphabetTable()) {
        if (row.first == first && row.second == second)
            return row.text;
    }
    return std::nullopt;
}

TEST(RecognizeCells, EveryTwelveDotPatternReadsAsTheRowWithThoseCells) {
    int recognised = 0;
    for (unsigned high = 0; high < DotSet::kMaskLimit; ++high) {
        for (unsigned low = 0; low < DotSet::kMaskLimit; ++low) {
            const DotSet first = DotSet::FromMask(high);
            const DotSet second = DotSet::FromMask(low);
            const auto text = RecognizeCells(first, second);
            ASSERT_EQ(text, SearchRowsInOrder(first, second))
                << first.ToString() << " / " << second.ToString();
            recognised += text.has_value();
        }
    }
    EXPECT_EQ(recognised, 103);
}

TEST(RecognizeCells, EveryRowReadsBackAsItsOwnText) {
    for (const AlphabetRow& row : AlphabetTable()) {
        const auto text = RecognizeCells(row.first, row.second);
        ASSERT_TRUE(text.has_value()) << row.text;
        EXPECT_EQ(*text, row.text);
        EXPECT_EQ(LookupText(*text), &row);
    }
}

struct Answer {
    std::string_view first;
    std::string_view second;
    std::optional<std::string_view> text;
    const char* why;
};

// Workshop answers in compact notation ("" is an empty cell).
constexpr Answer kAnswers[] = {
    {"123456", "123456", std::nullopt, "all twelve dots left raised"},
    {"", "", std::nullopt, "every dot erased"},
    {"46", "", std::nullopt, "capital sign alone"},
    {"6", "", std::nullopt, "number sign alone"},
    {"1", "", std::nullopt, "a letter written in the first cell"},
    {"", "16", "\xE2", "16 alone is a lower-case letter"},
    {"46", "16", "\xC2", "16 after the capital sign"},
    {"6", "16", "1", "16 after the number sign"},
    {"", "246", "oe", "two letters from one cell"},
    {"46", "246", "OE", "two capitals from one cell"},
    {"6", "246", "9", "the last digit"},
    {"6", "3456", "0", "zero has its own cell"},
    {"", "3456", std::nullopt, "zero's cell without the number sign"},
    {"6", "145", std::nullopt, "a digit needs dot 6 in its second cell"},
    {"46", "2", std::nullopt, "no capital before a sign"},
    {"", "2", ",", "a single dot"},
    {"4", "1", std::nullopt, "one dot short of the capital sign"},
    {"46", "12", "B", "capital B"},
    {"456", "12", std::nullopt, "one dot too many in the first cell"},
    {"1", "46", std::nullopt, "the two cells of A swapped"},
};

TEST(RecognizeCells, WorkshopAnswers) {
    for (const Answer& answer : kAnswers) {
        SCOPED_TRACE(answer.why);
        EXPECT_EQ(RecognizeCells(Cell(answer.first), Cell(answer.second)), answer.text);
    }
}

} // namespace
} // namespace braille
