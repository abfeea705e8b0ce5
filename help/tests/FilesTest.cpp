// The probe of a folder, and the folders the survey asks the system for.
#include "HelpTestSupport.h"

#include "help/Files.h"

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
