// Chords of the six keys: what the last release gives.
#include "braille/Chord.h"
#include "CellText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using braille::ChordReader;
using braille::Dots;
using braille::DotSet;

// Presses (+n) and releases (-n) in turn; the cells given on the way.
std::vector<DotSet> Play(ChordReader& reader, std::initializer_list<int> steps) {
    std::vector<DotSet> cells;
    for (int step : steps) {
        if (step > 0)
            reader.Press(step);
        else if (auto cell = reader.Release(-step))
            cells.push_back(*cell);
    }
    return cells;
}

struct Case {
    const char* what;
    std::initializer_list<int> steps;
    std::vector<DotSet> cells;
};

TEST(ChordTest, TheLastReleaseGivesEveryKeyHeldSinceTheFirstPress) {
    const Case cases[] = {
        {"one key", {+1, -1}, {Dots("1")}},
        {"together", {+1, +2, +4, -4, -2, -1}, {Dots("1 2 4")}},
        {"released in another order", {+4, +6, -4, -6}, {Dots("4 6")}},
        {"rolled over: never all held at once",
         {+1, +2, -1, +3, -2, +6, -3, -6},
         {Dots("1 2 3 6")}},
        {"six keys", {+1, +2, +3, +4, +5, +6, -6, -5, -4, -3, -2, -1}, {Dots("1 2 3 4 5 6")}},
        {"two chords in a row", {+1, -1, +2, +5, -5, -2}, {Dots("1"), Dots("2 5")}},
        {"auto-repeat of a held key", {+1, +1, +1, +2, -2, -1}, {Dots("1 2")}},
        {"a release without its press", {-3, +1, -1}, {Dots("1")}},
        {"a second release of the same key", {+1, +2, -1, -1, -2}, {Dots("1 2")}},
    };
    for (const Case& c : cases) {
        ChordReader reader;
        EXPECT_EQ(Play(reader, c.steps), c.cells) << c.what;
        EXPECT_FALSE(reader.Pending()) << c.what;
    }
}

TEST(ChordTest, CancelForgetsTheKeysHeld) {
    ChordReader reader;
    Play(reader, {+1, +2});
    EXPECT_TRUE(reader.Pending());
    reader.Cancel();
    EXPECT_FALSE(reader.Pending());
    // Their releases, arriving later, write nothing.
    EXPECT_TRUE(Play(reader, {-1, -2}).empty());
    EXPECT_EQ(Play(reader, {+3, -3}), std::vector<DotSet>{Dots("3")});
}

TEST(ChordTest, EveryPatternOfTheSixKeys) {
    for (unsigned mask = 1; mask < DotSet::kMaskLimit; ++mask) {
        ChordReader reader;
        const DotSet cell = DotSet::FromMask(mask);
        for (int dot = 1; dot <= 6; ++dot)
            if (cell.Has(dot))
                reader.Press(dot);
        std::optional<DotSet> given;
        for (int dot = 6; dot >= 1; --dot)
            if (cell.Has(dot))
                given = reader.Release(dot);
        EXPECT_EQ(given, cell) << cell.ToString();
    }
}
} // namespace
