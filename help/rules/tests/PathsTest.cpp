#include "help/rules/Paths.h"
#include "help/rules/ReportText.h"

#include <gtest/gtest.h>

using namespace hh_funcs;

TEST(ProgramPaths, DirectoryAndFileNameOfTheProgram) {
    struct Case {
        std::wstring path, withSeparator, directory, name;
    } cases[] = {
        {L"C:\\Programs\\Sixpointe\\Sixpointe.exe", L"C:\\Programs\\Sixpointe\\",
         L"C:\\Programs\\Sixpointe", L"Sixpointe.exe"},
        // At the root of a drive the directory is the drive alone.
        {L"X:\\Sixpointe.exe", L"X:\\", L"X:", L"Sixpointe.exe"},
        {L"X:Sixpointe.exe", L"X:", L"X:", L"Sixpointe.exe"},
        {L"Sixpointe.exe", L"", L"", L"Sixpointe.exe"},
        {L"\\\\server\\share\\\\Six.exe", L"\\\\server\\share\\\\", L"\\\\server\\share",
         L"Six.exe"},
        {L"C:\\Dé ā Ω\\Six.exe", L"C:\\Dé ā Ω\\", L"C:\\Dé ā Ω", L"Six.exe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DirectoryWithSeparator(c.path), c.withSeparator);
        EXPECT_EQ(DirectoryPart(c.path), c.directory);
        EXPECT_EQ(FileNamePart(c.path), c.name);
    }
    EXPECT_EQ(HelpFileBeside(L"X:\\Six.exe"), L"X:\\Sixpointe.chm");
    EXPECT_EQ(HelpFileBeside(L"C:\\Ω\\Six.exe"), L"C:\\Ω\\Sixpointe.chm");
}

TEST(TextRules, TrimRepeatAndYesNo) {
    std::string text = "C:\\dir\\\\";
    TrimTrailingChar(text, '\\');
    EXPECT_EQ(text, "C:\\dir");
    std::string only = "\\\\\\";
    TrimTrailingChar(only, '\\');
    EXPECT_EQ(only, "");
    std::string inner = "a\\b";
    TrimTrailingChar(inner, '\\');
    EXPECT_EQ(inner, "a\\b");
    EXPECT_EQ(RepeatChar('-', 3), "---");
    EXPECT_EQ(RepeatChar('-', 0), "");
    EXPECT_EQ(RepeatChar('-', -5), "");
    EXPECT_EQ(YesNoText(true), "YES");
    EXPECT_EQ(YesNoText(false), "NO");
}

TEST(DebugSwitch, SlashOrDashDebugInAnyCaseOnly) {
    for (const wchar_t* on : {L"/debug", L"-debug", L"/DEBUG", L"-DeBuG", L"/Debug"})
        EXPECT_TRUE(IsDebugSwitch(on)) << on;
    for (const wchar_t* off : {L"debug", L"/debug ", L" /debug", L"--debug", L"/debugs", L"/", L"",
                               L"\\debug", L"/débug"})
        EXPECT_FALSE(IsDebugSwitch(off)) << off;
}

TEST(LongPaths, OnlyPathsPastTheLimitTakeTheExtendedForm) {
    const std::wstring longest = L"C:\\" + std::wstring(256, L'd');
    const std::wstring longer = longest + L"x";
    const std::wstring share = L"\\\\server\\share\\" + std::wstring(250, L'd');
    struct Case {
        std::wstring path, extended;
    } cases[] = {
        {L"C:\\Sixpointe\\Sixpointe.chm", L"C:\\Sixpointe\\Sixpointe.chm"},
        {longest, longest},
        {longer, L"\\\\?\\" + longer},
        {L"z:" + longer.substr(2), L"\\\\?\\z:" + longer.substr(2)},
        {share, L"\\\\?\\UNC\\server\\share\\" + std::wstring(250, L'd')},
        {L"\\\\?\\" + longer, L"\\\\?\\" + longer},
        {L"\\\\.\\" + longer, L"\\\\.\\" + longer},
        // Relative paths have no extended form.
        {std::wstring(300, L'd'), std::wstring(300, L'd')},
        {L"C:" + std::wstring(300, L'd'), L"C:" + std::wstring(300, L'd')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(ExtendedLengthPath(c.path), c.extended);
        if (c.path.starts_with(L"\\\\?\\") || c.path.starts_with(L"\\\\.\\"))
            continue;
        EXPECT_EQ(PlainPath(c.extended), c.path) << "back to its usual form";
    }
}
