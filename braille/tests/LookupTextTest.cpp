#include "braille/AlphabetTable.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace braille {
namespace {

using namespace std::string_view_literals;

TEST(LookupText, FindsEveryRowByACopyOfItsText) {
    for (const AlphabetRow& row : AlphabetTable()) {
        const std::string typed(row.text); // as the input field hands it over
        EXPECT_EQ(LookupText(typed), &row) << typed;
    }
}

struct NoRow {
    std::string_view text;
    const char* what;
};

// clang-format off
constexpr NoRow kNoRows[] = {
    {""sv, "empty text"},
    {"Oe"sv, "mixed case"},
    {"oE"sv, "mixed case"},
    {"eo"sv, "letters reversed"},
    {"O E"sv, "letters apart"},
    {"\x9C"sv, "ligature oe"},
    {"\x8C"sv, "ligature OE"},
    {" "sv, "space"},
    {"'"sv, "apostrophe"},
    {"\t"sv, "tab"},
    {"\xE1"sv, "a acute"},
    {"\xF1"sv, "n tilde"},
    {"\xFF"sv, "y diaeresis"},
    {"\xE4"sv, "a diaeresis"},
    {"\xAB"sv, "guillemet"},
    {"OEE"sv, "too long"},
    {"oee"sv, "too long"},
    {"aa"sv, "two letters"},
    {"Aa"sv, "two letters"},
    {"10"sv, "two digits"},
    {"a "sv, "trailing blank"},
    {" a"sv, "leading blank"},
    {"a\0"sv, "trailing NUL"},
    {"\0a"sv, "leading NUL"},
    {"\0"sv, "NUL alone"},
    {"OE\0"sv, "OE and NUL"},
};
// clang-format on

TEST(LookupText, TextsThatAreNoRow) {
    for (const NoRow& text : kNoRows)
        EXPECT_EQ(LookupText(text.text), nullptr) << text.what << ", size " << text.text.size();
}

} // namespace
} // namespace braille
