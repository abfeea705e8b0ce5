// The help command when the help library could not be loaded.
#include "MainWindowFixture.h"

#include "help/hh.h"

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
};
} // namespace

TEST_F(HelpCommandTest, WithoutTheLibraryBothRoutesBeepAndNothingOpens)
{
    ClickToolButton(kAideButton);
    guitest::Pump();
    EXPECT_EQ(guitest::BeepCount(), 1);
    ChooseMenu("Rubriquesdelaide1");
    EXPECT_EQ(guitest::BeepCount(), 2);
    EXPECT_EQ(FindWindowW(L"HH Parent", nullptr), nullptr);
}
