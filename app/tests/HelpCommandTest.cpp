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
    void SetUp() override
    {
        hh::UnloadHelpLibrary();
        MainWindowTest::SetUp();
        guitest::ResetBeepCount();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        hh::UnloadHelpLibrary();
    }
    static HWND HelpWindow() { return FindWindowW(L"HH Parent", nullptr); }
};
} // namespace

TEST_F(HelpCommandTest, WithoutTheLibraryBothRoutesBeepAndNothingOpens)
{
    ClickToolButton(kAideButton);
    guitest::Pump();
    EXPECT_EQ(guitest::BeepCount(), 1);
    ChooseMenu("Rubriquesdelaide1");
    EXPECT_EQ(guitest::BeepCount(), 2);
    EXPECT_EQ(HelpWindow(), nullptr);
}

TEST_F(HelpCommandTest, TheMainWindowClosesTheHelpWindowsAsItGoes)
{
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
