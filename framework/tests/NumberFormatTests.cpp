// Numbers by pattern and by format string, with the separators of the
// regional settings.
#include "framework/core/NumberFormat.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {
TFormatSettings Separators(const char* thousand, const char* decimal = ",") {
    return {thousand, decimal};
}
} // namespace

TEST(FormatFloat, GroupsByThreesWithTheGivenSeparator) {
    struct {
        const char* pattern;
        double value;
        const char* thousand;
        const char* expected;
    } const cases[] = {
        {"#,###", 524288, ",", "524,288"},
        {"#,###", 524288, ".", "524.288"},
        {"#,###", 524288, "\xA0",
         "524\xA0"
         "288"},
        {"#,###' Ko'", 24684724.5, ",", "24,684,725 Ko"}, // half away from zero
        {"#,###' Ko'", 4194304, " ", "4 194 304 Ko"},
        {"#,###\" Ko\"", 999, ",", "999 Ko"},
        {"#,###", 1000, "", "1000"},
        {"#,###", 0, ",", "0"}, // a zero still shows a digit
        {"#,###", 0.4, ",", "0"},
        {"#,###", -1234567, ",", "-1,234,567"},
        {"0000", 42, ",", "0042"},
        {"#,##0.00", 1234.5, " ", "1 234,50"},
        {"#.##", 0.5, ",", ",5"},
        {"#.##", 2, ",", "2"},
        {"'Total : '#,###", 1024, ",", "Total : 1,024"},
        {"#,### Ko", 2048, ",", "2,048 Ko"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFloat(c.pattern, c.value, Separators(c.thousand)), c.expected)
            << c.pattern << " " << c.value;
}

// Windows-1252 has no narrow no-break space (the recent French separator):
// it must still read as a gap.
TEST(FormatSettings, SeparatorsOutsideTheCodePageBecomeNoBreakSpaces) {
    EXPECT_EQ(SeparatorText(L"\u202F"), "\xA0");
    EXPECT_EQ(SeparatorText(L"\u00A0"), "\xA0");
    EXPECT_EQ(SeparatorText(L"."), ".");
    EXPECT_EQ(SeparatorText(L""), "");
    EXPECT_EQ(FormatFloat("#,###", 1048576, {SeparatorText(L"\u202F"), ","}), "1\xA0"
                                                                              "048\xA0"
                                                                              "576");
}

TEST(FormatSettings, UserSettingsGiveOneSeparatorOfTheCodePage) {
    TFormatSettings settings = UserFormatSettings();
    EXPECT_LE(settings.thousandSeparator.size(), 1u);
    EXPECT_EQ(settings.thousandSeparator.find('\x1A'), std::string::npos);
    EXPECT_EQ(settings.decimalSeparator.size(), 1u);
}

TEST(Format, WritesByFormatString) {
    EXPECT_EQ(Format("%d%%", 37), "37%");
    EXPECT_EQ(Format("%d%%", 0), "0%");
    EXPECT_EQ(Format("%d%%", 100), "100%");
    EXPECT_EQ(Format("%s-%d", "a", 5), "a-5");
}
