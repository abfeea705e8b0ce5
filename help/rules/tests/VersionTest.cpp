#include "help/rules/Version.h"

#include <gtest/gtest.h>

using hh_funcs::CompareVersions;
using hh_funcs::FileVersion;

TEST(CompareVersions, EachPartDecidesInTurnAsAnUnsignedNumber) {
    struct Case {
        FileVersion a, b;
        int expected;
    } cases[] = {
        {{4, 74, 8702, 0}, {4, 74, 8702, 0}, 0},
        {{0, 0, 0, 0}, {0, 0, 0, 0}, 0},
        {{5, 0, 0, 0}, {4, 99, 9999, 9999}, 1},
        {{4, 75, 0, 0}, {4, 74, 9999, 9999}, 1},
        {{4, 74, 8703, 0}, {4, 74, 8702, 9999}, 1},
        {{4, 74, 8702, 1}, {4, 74, 8702, 0}, 1},
        // Parts above 32767 are large numbers, not negative ones.
        {{0xFFFF, 0, 0, 0}, {1, 0, 0, 0}, 1},
        {{1, 0x8000, 0, 0}, {1, 0x7FFF, 0, 0}, 1},
        {{1, 0, 0, 0xFFFF}, {1, 0, 1, 0}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareVersions(c.a, c.b), c.expected)
            << VersionText(c.a) << " vs " << VersionText(c.b);
        EXPECT_EQ(CompareVersions(c.b, c.a), -c.expected)
            << VersionText(c.b) << " vs " << VersionText(c.a);
    }
}

TEST(FileVersionWords, HalvesOfTheTwoWordsInOrder) {
    FileVersion v = hh_funcs::VersionFromWords(0x0005'0002, 0x0ECE'0B1F);
    EXPECT_EQ(v, (FileVersion{5, 2, 3790, 2847}));
    EXPECT_EQ(VersionText(v), "5.2.3790.2847");
    EXPECT_EQ(VersionText(hh_funcs::VersionFromWords(0xFFFF'FFFF, 0)), "65535.65535.0.0");
}

TEST(OldBrowserNumbering, BuildMovesToReleaseOnlyFor470AndBeforeWithReleaseZero) {
    using hh_funcs::FromOldBrowserNumbering;
    struct Case {
        FileVersion given, expected;
    } cases[] = {
        {{4, 70, 0, 1155}, {4, 70, 1155, 0}}, {{4, 40, 0, 520}, {4, 40, 520, 0}},
        {{4, 71, 0, 1712}, {4, 71, 0, 1712}}, // minor above 70
        {{4, 70, 1, 1155}, {4, 70, 1, 1155}}, // release already used
        {{5, 70, 0, 1155}, {5, 70, 0, 1155}}, // another major
        {{6, 0, 2600, 0}, {6, 0, 2600, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionText(FromOldBrowserNumbering(c.given)), VersionText(c.expected));
}
