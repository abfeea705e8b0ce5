// The survey as the program runs it at start: a copy of a program that starts
// the help modules is put in a folder of the test's own and started there.
#include "HelpTestSupport.h"

#include "framework/core/Text.h"
#include "help/FileVersionInfo.h"
#include "help/hh.h"
#include "help/rules/FriendlyNames.h"

#include <gtest/gtest.h>

using namespace helptest;

namespace {

constexpr char kOld[] = "an old report";

// The environment of this process with TMP and TEMP set to `temp`.
std::wstring EnvironmentWithTemp(const std::wstring& temp) {
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
        std::wstring text = entry;
        std::wstring upper = text.substr(0, 5);
        CharUpperW(upper.data());
        if (upper != L"TMP=" && upper.substr(0, 5) != L"TEMP=" && upper.substr(0, 4) != L"TMP=")
            block += text + L'\0';
    }
    FreeEnvironmentStringsW(strings);
    block += L"TMP=" + temp + L'\0' + L"TEMP=" + temp + L'\0';
    return block + L'\0';
}

class SurveyTest : public testing::Test {
protected:
    // Starts the program copied into `dir` with the parameters and waits for its end.
    // It works in this process's folder: a folder that is some process's current
    // one cannot be removed until Wine has let go of it.
    void Run(const std::wstring& dir, const std::wstring& parameters = L"") {
        RunWithTemp(dir, parameters, temp.Path());
    }
    void RunWithTemp(const std::wstring& dir, const std::wstring& parameters,
                     const std::wstring& tempDir) {
        std::wstring exe = dir + L"\\Sixpointe.exe";
        CopyFileW((BuildDir() + L"\\survey_probe.exe").c_str(), exe.c_str(), FALSE);
        std::wstring line = L"\"" + exe + L"\"" + (parameters.empty() ? L"" : L" " + parameters);
        std::wstring environment = EnvironmentWithTemp(tempDir);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE,
                                   CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW,
                                   environment.data(), nullptr, &startup, &process))
            << "cannot start " << fw::FromWide(exe);
        ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        EXPECT_EQ(code, 0u) << "the start-up did not go on";
    }
    static std::wstring Report(const std::wstring& dir) { return dir + L"\\HHDebug.txt"; }
    std::vector<std::string> ReportLines(const std::wstring& dir) const {
        return Lines(ReadBytes(Report(dir)));
    }

    ScratchDir program{L"program"};
    ScratchDir temp{L"temp"};
};

// The value of a report line: what follows its tab.
std::string Value(const std::string& line) {
    std::size_t tab = line.find('\t');
    return tab == std::string::npos ? "(no tab)" : line.substr(tab + 1);
}

} // namespace

TEST_F(SurveyTest, AnOldReportGoesAtEveryStartAndTheProbeFileWithIt) {
    WriteBytes(Report(program.Path()), kOld);
    WriteBytes(program / L"$_Temp_$.$$$", "left over");
    Run(program.Path());
    EXPECT_FALSE(Exists(Report(program.Path())));
    EXPECT_FALSE(Exists(program / L"$_Temp_$.$$$"));

    WriteBytes(Report(program.Path()), kOld);
    Run(program.Path(), L"/debug");
    std::vector<std::string> lines = ReportLines(program.Path());
    EXPECT_EQ(lines.size(), 22u) << "a new report, not the old one with lines added";
    EXPECT_EQ(ReadBytes(Report(program.Path())).find(kOld), std::string::npos);
}

TEST_F(SurveyTest, TheSwitchesAndTheMarkerFileTurnTheReportOn) {
    struct Case {
        const wchar_t* parameters;
        bool marker;
        bool report;
    } cases[] = {
        {L"/debug", false, true}, {L"-debug", false, true},     {L"/DeBuG", false, true},
        {L"-DEBUG", false, true}, {L"one /Debug", false, true}, {L"", true, true},
        {L"debug", false, false}, {L"--debug", false, false},   {L"\"/debug \"", false, false},
        {L"", false, false},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        if (c.marker)
            WriteBytes(dir / L"debug.debug", "");
        Run(dir.Path(), c.parameters);
        EXPECT_EQ(Exists(Report(dir.Path())), c.report) << fw::FromWide(c.parameters);
    }
}

TEST_F(SurveyTest, TheReportHoldsTwentyTwoLinesWithTheirValues) {
    Run(program.Path(), L"/debug \"two words\"");
    std::vector<std::string> lines = ReportLines(program.Path());
    ASSERT_EQ(lines.size(), 22u);
    std::string dir = fw::FromWide(program.Path());
    EXPECT_EQ(lines[0], "Filename:             \t" + dir + "\\HHDebug.txt");
    EXPECT_EQ(lines[2].substr(0, 35), "Operating System:      \tWindows NT ");
    EXPECT_EQ(Value(lines[9 - 1]), dir + "\\Sixpointe.exe");
    EXPECT_EQ(lines[9], "Cmdline Param(s) =  \t/debug | two words");
    EXPECT_EQ(lines[10], "_RunDir =           \t" + dir);
    EXPECT_EQ(lines[11], "_ModuleName =       \tSixpointe.exe");
    EXPECT_EQ(lines[12], "_ModuleDir =        \t" + dir);

    // The same control and browser that this process finds, named by their versions.
    hh_funcs::VersionReading help = hh_funcs::ReadFileVersion(hh::FindHelpControlPath());
    ASSERT_FALSE(help.text.empty()) << "the test prefix has a help control with a version";
    EXPECT_EQ(lines[14], "_hhInstalled =      \tYES");
    EXPECT_EQ(lines[15], "_hhVerStr =         \t" + help.text);
    EXPECT_EQ(lines[16], "_hhFriendlyVerStr = \t" + hh_funcs::HelpFriendlyName(help.parts));
    hh_funcs::VersionReading browser = hh_funcs::ReadBrowserVersion();
    EXPECT_EQ(lines[18],
              std::string("_ieInstalled =      \t") + (browser.text.empty() ? "NO" : "YES"));
    EXPECT_EQ(lines[19], "_ieVerStr =         \t" + browser.text);
    EXPECT_EQ(Value(lines[20]),
              browser.text.empty() ? "" : hh_funcs::BrowserFriendlyName(browser.parts));

    for (int separator : {7, 13, 17})
        EXPECT_EQ(lines[separator], std::string(79, '-'));
    EXPECT_EQ(lines[21], std::string(79, '='));
    for (const std::string& line : lines) {
        EXPECT_NE(line.substr(0, 1), "!");
        if (line[0] != '-' && line[0] != '=') {
            EXPECT_NE(line.find('\t'), std::string::npos) << line;
        }
    }
    EXPECT_FALSE(Value(lines[1]).empty()) << "the date";
    EXPECT_FALSE(Value(lines[6]).empty()) << "the decimal separator";
}

TEST_F(SurveyTest, AFolderThatCannotBeWrittenSendsTheReportToTheTemporaryFolder) {
    // A folder stands where the probe file would be made.
    ASSERT_TRUE(CreateDirectoryW((program / L"$_Temp_$.$$$").c_str(), nullptr));
    WriteBytes(Report(temp.Path()), kOld);
    Run(program.Path());
    EXPECT_FALSE(Exists(Report(temp.Path()))) << "the old report goes from there too";

    Run(program.Path(), L"-debug");
    EXPECT_FALSE(Exists(Report(program.Path())));
    std::vector<std::string> lines = ReportLines(temp.Path());
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(Value(lines[0]), fw::FromWide(temp.Path()) + "\\HHDebug.txt");
    EXPECT_EQ(Value(lines[12]), fw::FromWide(program.Path()));
    EXPECT_TRUE(Exists(program / L"$_Temp_$.$$$")) << "the folder in the way is left alone";
}

TEST_F(SurveyTest, AReportThatCannotBeDeletedIsLeftAsItIsAndStartUpGoesOn) {
    std::wstring report = Report(program.Path());
    WriteBytes(report, kOld);
    SetFileAttributesW(report.c_str(), FILE_ATTRIBUTE_READONLY);
    Run(program.Path(), L"/debug");
    EXPECT_EQ(ReadBytes(report), kOld);
    SetFileAttributesW(report.c_str(), FILE_ATTRIBUTE_NORMAL);

    HANDLE locked =
        CreateFileW(report.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    Run(program.Path(), L"/debug");
    CloseHandle(locked);
    EXPECT_EQ(ReadBytes(report), kOld);
}

TEST_F(SurveyTest, LongAndNonAnsiFolderNamesAreKeptWhole) {
    // The longest folder a program can be started from: its file's path
    // takes the 259 characters that the system allows.
    std::wstring longDir = program.Path();
    for (int i = 0; longDir.size() < 200; ++i) {
        longDir += L"\\a-rather-long-folder-name-" + std::to_wstring(i);
        ASSERT_TRUE(CreateDirectoryW(longDir.c_str(), nullptr));
    }
    longDir += L"\\" + std::wstring(259 - longDir.size() - 15, L'x');
    ASSERT_TRUE(CreateDirectoryW(longDir.c_str(), nullptr));
    std::wstring foreign = program / L"Cours \u03A9 \u0101";
    ASSERT_TRUE(CreateDirectoryW(foreign.c_str(), nullptr));

    for (const std::wstring& dir : {longDir, foreign}) {
        Run(dir, L"/debug");
        std::vector<std::string> lines = ReportLines(dir);
        ASSERT_EQ(lines.size(), 22u) << "the report lies in the program's own folder";
        // What Windows-1252 cannot hold reads "?", as Windows writes it.
        EXPECT_EQ(Value(lines[12]), fw::FromWide(dir, '?'));
        EXPECT_FALSE(Exists(Report(temp.Path())));
    }
    // Nothing was made at a cut or mangled path beside them.
    int entries = 0;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((program.Path() + L"\\*").c_str(), &found);
    do
        entries += found.cFileName[0] != L'.';
    while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(entries, 2);
}

// Both cases write at the root of drive C: of the test prefix, so they run in one test.
TEST_F(SurveyTest, TheRootOfADriveAsProgramFolderAndAsLastResort) {
    ASSERT_FALSE(Exists(L"C:\\HHDebug.txt")) << "the root holds no report of its own";
    Run(L"C:", L"/debug");
    std::vector<std::string> lines = ReportLines(L"C:");
    DeleteFileW(L"C:\\HHDebug.txt");
    DeleteFileW(L"C:\\Sixpointe.exe");
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(Value(lines[0]), "C:\\HHDebug.txt");
    EXPECT_EQ(Value(lines[8]), "C:\\Sixpointe.exe");
    EXPECT_EQ(Value(lines[10]), "C:");
    EXPECT_EQ(Value(lines[12]), "C:");

    // No writable program folder and no temporary folder: the report goes to "c:".
    ASSERT_TRUE(CreateDirectoryW((program / L"$_Temp_$.$$$").c_str(), nullptr));
    RunWithTemp(program.Path(), L"/debug", temp / L"missing");
    lines = ReportLines(L"C:");
    DeleteFileW(L"C:\\HHDebug.txt");
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(Value(lines[0]), "c:\\HHDebug.txt");
    EXPECT_FALSE(Exists(temp / L"missing")) << "no temporary folder is made";
}
