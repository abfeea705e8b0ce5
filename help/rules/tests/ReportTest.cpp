#include "help/rules/Report.h"
#include "help/rules/ReportText.h"

#include <gtest/gtest.h>

using namespace hh_funcs;

TEST(ReportLineShaping, SeparatorsAreSeventyNineLongAndNoLineKeepsItsMark) {
    struct Case {
        std::string line, written;
    } cases[] = {
        {"-", std::string(79, '-')},
        {"=", std::string(79, '=')},
        {"!Filename: \tC:\\x", "Filename: \tC:\\x"},
        {"!!twice", "!twice"},
        {"--", "-"},
        {"-x", "x"},
        {"plain", "plain"},
        {"", ""},
        {"!", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShapeReportLine(c.line), c.written) << c.line;
}

TEST(ReportLines, TwentyTwoLinesEachValueAfterATab) {
    ReportFacts f;
    f.reportFile = "C:\\Six\\HHDebug.txt";
    f.date = "08/12/2026 23:30:00";
    f.systemMajor = 10;
    f.systemMinor = 0;
    f.systemBuild = 19045;
    f.locale = 0x040C;
    f.decimalSeparator = ",";
    f.exePath = "C:\\Six\\Sixpointe.exe";
    f.parameters = {"/debug", "two words"};
    f.runDir = "C:\\Six";
    f.moduleName = "Sixpointe.exe";
    f.moduleDir = "C:\\Six";
    f.hhInstalled = true;
    f.hhVerStr = "5.2.3790.2847";
    f.hhFriendlyVerStr = "> 1.33";
    f.ieVerStr = "";

    std::vector<std::string> lines = ReportLines(f);
    ASSERT_EQ(lines.size(), 22u);
    std::vector<std::string> written;
    for (const std::string& line : lines)
        written.push_back(ShapeReportLine(line));
    EXPECT_EQ(written[0], "Filename:             \tC:\\Six\\HHDebug.txt");
    EXPECT_EQ(written[1], "Date:                 \t08/12/2026 23:30:00");
    EXPECT_EQ(written[2], "Operating System:      \tWindows NT 10.0.19045");
    EXPECT_EQ(written[3], "SysLocale.DefaultLCID: \t0x040C");
    EXPECT_EQ(written[4], "SysLocale.PriLangID:   \t0x000C");
    EXPECT_EQ(written[5], "SysLocale.SubLangID:   \t0x0001");
    EXPECT_EQ(written[6], "DecimalSeparator:      \t,");
    EXPECT_EQ(written[8], "EXE Path =          \tC:\\Six\\Sixpointe.exe");
    EXPECT_EQ(written[9], "Cmdline Param(s) =  \t/debug | two words");
    EXPECT_EQ(written[10], "_RunDir =           \tC:\\Six");
    EXPECT_EQ(written[11], "_ModuleName =       \tSixpointe.exe");
    EXPECT_EQ(written[12], "_ModuleDir =        \tC:\\Six");
    EXPECT_EQ(written[14], "_hhInstalled =      \tYES");
    EXPECT_EQ(written[15], "_hhVerStr =         \t5.2.3790.2847");
    EXPECT_EQ(written[16], "_hhFriendlyVerStr = \t> 1.33");
    EXPECT_EQ(written[18], "_ieInstalled =      \tNO");
    EXPECT_EQ(written[19], "_ieVerStr =         \t");
    EXPECT_EQ(written[20], "_ieFriendlyVerStr = \t");
    for (int separator : {7, 13, 17})
        EXPECT_EQ(written[separator], std::string(79, '-'));
    EXPECT_EQ(written[21], std::string(79, '='));
}

TEST(ReportLines, LocaleDefaultsAndSystemFamily) {
    ReportFacts f;
    f.ntFamily = false;
    f.systemMajor = 4;
    f.systemMinor = 10;
    f.systemBuild = 2222;
    f.locale = 0; // none given: US English
    std::vector<std::string> lines = ReportLines(f);
    EXPECT_EQ(lines[2], "!Operating System:      \tWindows 4.10.2222");
    EXPECT_EQ(lines[3], "!SysLocale.DefaultLCID: \t0x0409");
    EXPECT_EQ(lines[4], "!SysLocale.PriLangID:   \t0x0009");
    EXPECT_EQ(lines[5], "!SysLocale.SubLangID:   \t0x0001");
    EXPECT_EQ(lines[9], "!Cmdline Param(s) =  \t");
    f.locale = 0x00010407; // German with a sort order: five digits
    lines = ReportLines(f);
    EXPECT_EQ(lines[3], "!SysLocale.DefaultLCID: \t0x10407");
    EXPECT_EQ(lines[4], "!SysLocale.PriLangID:   \t0x0007");
}
