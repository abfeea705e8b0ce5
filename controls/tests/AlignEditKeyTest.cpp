// Return, Up and Down in the one-line, multi-line and exit-on-return modes.
#include "AlignEditFixture.h"

#include <algorithm>
#include <vector>

using namespace fw;

namespace {

class AlignEditKeyTest : public AlignEditTest {
protected:
    void SetUp() override {
        AlignEditTest::SetUp();
        edit->OnKeyDown = [this](TComponent*, std::uint16_t& key, TShiftState) {
            keysDown.push_back(key);
        };
        edit->OnKeyPress = [this](TComponent*, char& key) { keysPressed.push_back(key); };
    }

    void Press(UINT key) { guitest::PressKey(edit->Handle(), key); }

    std::vector<std::uint16_t> keysDown;
    std::vector<char> keysPressed;
};

} // namespace

TEST_F(AlignEditKeyTest, ReturnInOneLineModeBeepsAndChangesNothing) {
    edit->SetText("ab");
    FocusEdit();
    edit->SetSelection(1, 0);

    Press(VK_RETURN);

    EXPECT_EQ(guitest::BeepCount(), 1);
    EXPECT_EQ(guitest::WindowText(edit->Handle()), L"ab");
    EXPECT_EQ(keysDown, std::vector<std::uint16_t>{0});
    EXPECT_EQ(keysPressed, std::vector<char>{0});
    EXPECT_EQ(GetFocus(), edit->Handle());
}

TEST_F(AlignEditKeyTest, LineFeedOfCtrlReturnIsRefusedInOneLineMode) {
    edit->SetText("ab");
    FocusEdit();
    guitest::Type(edit->Handle(), L"\n");
    EXPECT_EQ(guitest::WindowText(edit->Handle()), L"ab");
    EXPECT_EQ(keysPressed, std::vector<char>{0});
}

TEST_F(AlignEditKeyTest, ReturnInMultiLineModeBreaksTheLine) {
    edit->SetMultiLine(true);
    edit->SetText("ab");
    FocusEdit();
    edit->SetSelection(1, 0);

    Press(VK_RETURN);

    EXPECT_EQ(guitest::BeepCount(), 0);
    EXPECT_EQ(guitest::WindowText(edit->Handle()), L"a\r\nb");
    EXPECT_EQ(keysDown, std::vector<std::uint16_t>{VK_RETURN});
    EXPECT_EQ(keysPressed, std::vector<char>{'\r'});
}

TEST_F(AlignEditKeyTest, UpAndDownMoveTheCaretSidewaysOnlyInOneLineMode) {
    // Caret positions count the two characters of each line break.
    struct Case {
        bool multiLine;
        const char* text;
        int caret;
        UINT key;
        int expectedCaret;
        std::uint16_t keySeen;
    };
    const Case cases[] = {
        {false, "abcd", 2, VK_UP, 1, VK_LEFT},  {false, "abcd", 2, VK_DOWN, 3, VK_RIGHT},
        {false, "abcd", 0, VK_UP, 0, VK_LEFT},  {false, "abcd", 4, VK_DOWN, 4, VK_RIGHT},
        {true, "ab\r\ncd", 5, VK_UP, 1, VK_UP}, {true, "ab\r\ncd", 1, VK_DOWN, 5, VK_DOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "multi-line " << c.multiLine << ", key " << c.key << ", caret " << c.caret);
        edit->SetMultiLine(c.multiLine);
        edit->SetText(c.text);
        FocusEdit();
        edit->SetSelection(c.caret, 0);
        keysDown.clear();

        Press(c.key);

        EXPECT_EQ(edit->SelStart(), c.expectedCaret);
        EXPECT_EQ(edit->SelLength(), 0);
        EXPECT_EQ(keysDown, std::vector<std::uint16_t>{c.keySeen});
        EXPECT_EQ(edit->Text(), c.text);
    }
    EXPECT_EQ(guitest::BeepCount(), 0);
}

TEST_F(AlignEditKeyTest, ExitOnReturnMovesTheFocusOnAndTypesNothing) {
    edit->SetExitOnReturn(true);
    edit->SetText("ab");
    FocusEdit();
    edit->SetSelection(1, 0);
    int exits = 0;
    edit->OnExit = [&](TComponent*) { ++exits; };

    Press(VK_RETURN);

    EXPECT_EQ(GetFocus(), next->Handle());
    EXPECT_FALSE(edit->HasFocus());
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(guitest::WindowText(edit->Handle()), L"ab");
    EXPECT_EQ(guitest::BeepCount(), 0);
    // The Return itself goes on; its character reaches the handler as a Tab.
    ASSERT_FALSE(keysDown.empty());
    EXPECT_EQ(keysDown.front(), VK_RETURN);
    EXPECT_EQ(std::count(keysPressed.begin(), keysPressed.end(), '\r'), 0);
    EXPECT_NE(std::find(keysPressed.begin(), keysPressed.end(), '\t'), keysPressed.end());
}
