// The probe of a folder, and the folders the survey asks the system for.
#include "FileCalls.h"
#include "HelpTestSupport.h"

#include "help/DebugReport.h"
#include "help/FileVersionInfo.h"
#include "help/Files.h"
#include "help/hh_funcs.h"

#include <gtest/gtest.h>

using namespace helptest;

TEST(CanWriteToDirectory, AnOldProbeFileIsOverwrittenThenRemoved) {
    ScratchDir dir;
    std::wstring probe = dir / L"$_Temp_$.$$$";
    WriteBytes(probe, "left over");
    EXPECT_TRUE(hh_funcs::CanWriteToDirectory(dir.Path()));
    EXPECT_FALSE(Exists(probe));
    EXPECT_TRUE(hh_funcs::CanWriteToDirectory(dir.Path() + L"\\\\"));
    EXPECT_FALSE(Exists(probe));
}

TEST(CanWriteToDirectory, NoWhenTheProbeCannotBeMade) {
    ScratchDir dir;
    // A folder where the probe file would go.
    std::wstring blocker = dir / L"$_Temp_$.$$$";
    ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
    EXPECT_FALSE(hh_funcs::CanWriteToDirectory(dir.Path()));
    EXPECT_TRUE(hh_funcs::DirectoryExists(blocker));
    EXPECT_FALSE(hh_funcs::CanWriteToDirectory(dir / L"missing"));
    EXPECT_FALSE(Exists(dir / L"missing"));
}

TEST(SystemFolders, NoTrailingBackslashAndTheyExist) {
    for (const std::wstring& folder : {hh_funcs::SystemDirectory(), hh_funcs::TempDirectory()}) {
        ASSERT_FALSE(folder.empty());
        EXPECT_NE(folder.back(), L'\\');
        EXPECT_TRUE(hh_funcs::DirectoryExists(folder));
    }
    std::wstring program = hh_funcs::ProgramFilePath();
    EXPECT_TRUE(hh_funcs::FileExists(program));
    EXPECT_EQ(program.substr(program.size() - 14), L"help_tests.exe");
}

TEST(LongPaths, EveryFileCallPastTheLimitTakesTheExtendedForm) {
    ScratchDir dir;
    std::wstring folder = MakeLongFolder(dir.Path(), 300);
    std::wstring library = folder + L"\\version.dll";
    ASSERT_TRUE(CopyFileW((BuildDir() + L"\\version_4_74_8702_0.dll").c_str(),
                          hh_funcs::ForFileCall(library).c_str(), FALSE));
    std::wstring savedDir = hh_funcs::_DebugDir;
    hh_funcs::_DebugDir = folder;
    hh_funcs::_DebugOn = true;
    {
        FileCalls calls;
        EXPECT_TRUE(hh_funcs::CanWriteToDirectory(folder));
        EXPECT_TRUE(hh_funcs::FileExists(library));
        EXPECT_EQ(hh_funcs::ReadFileVersion(library).text, "4.74.8702.0");
        hh_funcs::WriteDebugReport();
        int extended = 0;
        for (const std::wstring& path : calls.paths) {
            if (path.size() <= 259)
                continue;
            EXPECT_EQ(path.substr(0, 4), L"\\\\?\\") << path.size() << " characters";
            ++extended;
        }
        EXPECT_GE(extended, 5) << "probe, existence, version, report";
    }
    hh_funcs::_DebugDir = savedDir;
    hh_funcs::_DebugOn = false;
    EXPECT_EQ(Lines(ReadBytes(folder + L"\\HHDebug.txt")).size(), 22u);
}
