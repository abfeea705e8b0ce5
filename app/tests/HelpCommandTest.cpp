// The help command when the help library could not be loaded, and the help
// windows closed with the main window.
#include "MainWindowFixture.h"

#include "help/Files.h"
#include "help/HelpWindow.h"
#include "help/hh.h"
#include "help/rules/Paths.h"

namespace {
constexpr int kAideButton = 5;

class HelpCommandTest : public MainWindowTest {
protected:
    void SetUp() override {
        hh::UnloadHelpLibrary();
        MainWindowTest::SetUp();
        guitest::ResetBeepCount();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        hh::UnloadHelpLibrary();
    }
    static HWND HelpWindow() { return FindWindowW(L"HH Parent", nullptr); }
};
} // namespace

TEST_F(HelpCommandTest, WithoutTheLibraryBothRoutesBeepAndNothingOpens) {
    ClickToolButton(kAideButton);
    guitest::Pump();
    EXPECT_EQ(guitest::BeepCount(), 1);
    ChooseMenu("Rubriquesdelaide1");
    EXPECT_EQ(guitest::BeepCount(), 2);
    EXPECT_EQ(HelpWindow(), nullptr);
}

TEST_F(HelpCommandTest, TheMainWindowClosesTheHelpWindowsAsItGoes) {
    hh::LoadHelpLibrary();
    ASSERT_NE(hh::HtmlHelpDefault, nullptr);
    // The program's help file, built beside the program one folder up.
    std::wstring tests = hh_funcs::DirectoryPart(hh_funcs::ProgramFilePath());
    ASSERT_TRUE(hh::DisplayHelpFile(hh_funcs::DirectoryPart(tests) + L"\\Sixpointe.chm"));
    guitest::Pump();
    ASSERT_NE(HelpWindow(), nullptr);
    fw::TComponent::Free(form);
    form = nullptr;
    guitest::Pump();
    EXPECT_EQ(HelpWindow(), nullptr);
    EXPECT_EQ(guitest::BeepCount(), 0);
}

TEST_F(HelpCommandTest, AHelpFileInAFolderTheAnsiCodePageCannotSpellOpens) {
    hh::LoadHelpLibrary();
    ASSERT_NE(hh::HtmlHelpW, nullptr);
    std::wstring tests = hh_funcs::DirectoryPart(hh_funcs::ProgramFilePath());
    std::wstring folder = hh_funcs::TempDirectory() + L"\\Aide \u03A9 \u0101 " +
                          std::to_wstring(GetCurrentProcessId());
    std::wstring file = folder + L"\\Sixpointe.chm";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW((hh_funcs::DirectoryPart(tests) + L"\\Sixpointe.chm").c_str(),
                          file.c_str(), FALSE));
    ASSERT_TRUE(hh::DisplayHelpFile(file));
    guitest::Pump();
    HWND help = HelpWindow();
    std::wstring title = help ? guitest::WindowText(help) : L"";
    hh::CloseAllHelpWindows();
    guitest::Pump();
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    // The window bears the title written in the help file: the file was found.
    EXPECT_EQ(title, L"Aide de Sixpointe");
}
