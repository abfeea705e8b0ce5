#include "braille/DotSet.h"

#include "CellText.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace braille {
namespace {

struct WrittenCell {
    DotSet set;
    unsigned mask;
    const char* written;
};

// Bit n-1 of the mask is dot n.
constexpr WrittenCell kWrittenCells[] = {
    {Dots("none"), 0b000000, "none"},
    {Dots("1"), 0b000001, "1"},
    {Dots("6"), 0b100000, "6"},
    {Dots("4 6"), 0b101000, "4 6"},
    {Dots("2 5 6"), 0b110010, "2 5 6"},
    {Dots("1 3 4 5 6"), 0b111101, "1 3 4 5 6"},
    {Dots("1 2 3 4 5 6"), 0b111111, "1 2 3 4 5 6"},
};

TEST(DotSet, WrittenFormGivesTheDotsItNames) {
    for (const WrittenCell& cell : kWrittenCells) {
        SCOPED_TRACE(cell.written);
        EXPECT_EQ(cell.set.Mask(), cell.mask);
        EXPECT_EQ(cell.set, DotSet::FromMask(cell.mask));
        EXPECT_EQ(cell.set.ToString(), cell.written);
        for (int dot = 1; dot <= 6; ++dot)
            EXPECT_EQ(cell.set.Has(dot), ((cell.mask >> (dot - 1)) & 1u) != 0) << "dot " << dot;
    }
}

TEST(DotSet, EveryMaskRoundTripsThroughItsWrittenForm) {
    for (unsigned mask = 0; mask < DotSet::kMaskLimit; ++mask) {
        const DotSet set = DotSet::FromMask(mask);
        EXPECT_EQ(set.Mask(), mask);
        EXPECT_EQ(set.Empty(), mask == 0);
        EXPECT_NE(set, DotSet::FromMask(mask ^ 0b010000));
        std::string digits = set.ToString();
        if (digits == "none")
            digits.clear();
        std::erase(digits, ' ');
        EXPECT_EQ(test::Cell(digits), set) << set.ToString();
    }
}

TEST(DotSet, MaskBeyondSixDotsIsDropped) {
    EXPECT_EQ(DotSet::FromMask(0b1000001), Dots("1"));
    EXPECT_EQ(DotSet::FromMask(0xFFFFFFFFu), Dots("1 2 3 4 5 6"));
}

TEST(DotSet, WithChangesOnlyTheGivenDot) {
    const DotSet capital = Dots("4 6");
    EXPECT_EQ(capital.With(1, true), Dots("1 4 6"));
    EXPECT_EQ(capital.With(4, false), Dots("6"));
    EXPECT_EQ(capital.With(4, true), capital);
    EXPECT_EQ(capital.With(2, false), capital);
    EXPECT_EQ(capital, Dots("4 6")) << "With returns a copy";
}

TEST(DotSet, DotOutsideTheCellIsRefused) {
    EXPECT_THROW(DotSet{}.With(0, true), DotOutOfRange);
    EXPECT_THROW(DotSet{}.With(7, false), DotOutOfRange);
    EXPECT_THROW((void)DotSet{}.Has(-1), DotOutOfRange);
}

} // namespace
} // namespace braille
