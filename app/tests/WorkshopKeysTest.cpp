// The answer workshop from the keyboard: real key presses and releases
// through the system's input queue, as a keyboard sends them.
#include "MainWindowFixture.h"

#include "app/CellView.h"
#include "controls/AlignEdit.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/Panel.h"
#include "KeyInput.h"

#include <initializer_list>
#include <string>

namespace {
// The keys of dots 1 to 6 on a QWERTY or AZERTY keyboard.
constexpr WORD kDotKeys[] = {'F', 'D', 'S', 'J', 'K', 'L'};

// Each step presses (+key) or releases (-key) one key.
void Play(std::initializer_list<int> steps) {
    for (int step : steps)
        guitest::SendKey(WORD(step > 0 ? step : -step), step < 0);
    guitest::Pump();
}

void Tap(WORD key) {
    Play({key, -key});
}

// The keys of the cell's dots pressed in dot order, released in reverse;
// an empty cell is written with Space.
void Chord(braille::DotSet cell) {
    if (cell.Empty())
        return Tap(VK_SPACE);
    for (int dot = 1; dot <= 6; ++dot)
        if (cell.Has(dot))
            guitest::SendKey(kDotKeys[dot - 1], false);
    for (int dot = 6; dot >= 1; --dot)
        if (cell.Has(dot))
            guitest::SendKey(kDotKeys[dot - 1], true);
    guitest::Pump();
}
} // namespace

class WorkshopKeysTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form->tlbtnSheet2Click(nullptr);
        guitest::Pump();
        ASSERT_EQ(GetForegroundWindow(), form->Handle()) << "keys would go elsewhere";
    }
    HWND FirstCell() const { return form->WorkshopFirstCell.Panel()->Handle(); }
    HWND SecondCell() const { return form->WorkshopSecondCell.Panel()->Handle(); }
    HWND Valider() const { return form->btnValider->Handle(); }
    HWND Effacer() const { return form->btnEffacer->Handle(); }
    std::string First() const { return CellDots(form->WorkshopFirstCell); }
    std::string Second() const { return CellDots(form->WorkshopSecondCell); }
    static void Tab() { Tap(VK_TAB); }
};

TEST_F(WorkshopKeysTest, EachPatternOfTheSixKeysWritesThatCell) {
    for (unsigned mask = 0; mask < braille::DotSet::kMaskLimit; ++mask) {
        form->btnEffacerClick(nullptr);
        guitest::Pump();
        const auto cell = braille::DotSet::FromMask(mask);
        const auto other = braille::DotSet::FromMask(~mask);
        Chord(cell);
        EXPECT_EQ(GetFocus(), SecondCell()) << cell.ToString();
        Chord(other);
        EXPECT_EQ(First(), cell.ToString());
        EXPECT_EQ(Second(), other.ToString());
        EXPECT_EQ(GetFocus(), Valider()) << cell.ToString();
    }
}

TEST_F(WorkshopKeysTest, KeysRolledOverMakeOneChord) {
    // F and D down, F up, S down, D up, S up: never three keys held at once.
    Play({'F', 'D', -'F', 'S', -'D'});
    EXPECT_EQ(GetFocus(), FirstCell()) << "a key is still held";
    EXPECT_EQ(First(), "1 2 3 4 5 6");
    Play({-'S'});
    EXPECT_EQ(First(), "1 2 3");
    EXPECT_EQ(GetFocus(), SecondCell());
}

TEST_F(WorkshopKeysTest, AutoRepeatOfAHeldKeyWritesOnce) {
    Play({'J', 'J', 'J', 'K', -'K', -'J'});
    EXPECT_EQ(First(), "4 5");
    EXPECT_EQ(GetFocus(), SecondCell());
    EXPECT_EQ(Second(), "1 2 3 4 5 6");
}

TEST_F(WorkshopKeysTest, NoKeyBringsBackALoweredDot) {
    PressDot(form->WorkshopFirstCell, 1);
    PressDot(form->WorkshopFirstCell, 4);
    ASSERT_EQ(First(), "2 3 5 6");
    SetFocus(FirstCell());
    Tap('1'); // a digit on a lowered dot
    Tap(VK_NUMPAD4);
    EXPECT_EQ(First(), "2 3 5 6");
    Chord(braille::Dots("1 2 4 5"));
    EXPECT_EQ(First(), "2 5");
}

TEST_F(WorkshopKeysTest, DigitsLowerOneDotAndKeepTheFocus) {
    Tap('2');
    Tap(VK_NUMPAD6);
    EXPECT_EQ(First(), "1 3 4 5");
    EXPECT_EQ(GetFocus(), FirstCell());
    Tab();
    Tap('1');
    Tap(VK_NUMPAD5);
    EXPECT_EQ(Second(), "2 3 4 6");
    EXPECT_EQ(GetFocus(), SecondCell());
    EXPECT_EQ(guitest::BeepCount(), 0);
}

TEST_F(WorkshopKeysTest, SpaceLowersTheWholeCellAndMovesOn) {
    Tap(VK_SPACE);
    EXPECT_EQ(First(), "none");
    EXPECT_EQ(Second(), "1 2 3 4 5 6");
    EXPECT_EQ(GetFocus(), SecondCell());
}

TEST_F(WorkshopKeysTest, OtherKeysAreRefusedWithABeep) {
    struct Case {
        const char* what;
        std::initializer_list<int> steps;
        int beeps;
    };
    const Case cases[] = {
        {"a letter", {'A', -'A'}, 1},
        {"Return", {VK_RETURN, -VK_RETURN}, 1},
        {"an arrow", {VK_UP, -VK_UP}, 1},
        {"a digit past 6", {'7', -'7'}, 1},
        {"a refused key held down", {'G', 'G', 'G', -'G'}, 1},
        {"Shift alone", {VK_SHIFT, -VK_SHIFT}, 0},
    };
    for (const Case& c : cases) {
        guitest::ResetBeepCount();
        Play(c.steps);
        EXPECT_EQ(guitest::BeepCount(), c.beeps) << c.what;
        EXPECT_EQ(GetFocus(), FirstCell()) << c.what;
    }
    EXPECT_EQ(First(), "1 2 3 4 5 6");
}

TEST_F(WorkshopKeysTest, FocusGoesFromCellToCellToValiderThenEffacer) {
    EXPECT_EQ(GetFocus(), FirstCell()) << "showing the page";
    Tab();
    EXPECT_EQ(GetFocus(), SecondCell());
    Tab();
    EXPECT_EQ(GetFocus(), Valider());
    Play({VK_SHIFT, VK_TAB, -VK_TAB, -VK_SHIFT});
    EXPECT_EQ(GetFocus(), SecondCell());
    Chord(braille::Dots("1"));
    EXPECT_EQ(GetFocus(), Valider());
    Tap(VK_RETURN);
    EXPECT_FALSE(form->Label5->Caption().empty());
    EXPECT_EQ(GetFocus(), Effacer());
    Tap(VK_RETURN);
    EXPECT_EQ(form->Label5->Caption(), "") << "a new question";
    EXPECT_EQ(GetFocus(), FirstCell());
}

TEST_F(WorkshopKeysTest, KeysHeldWhenTheFocusLeavesWriteNothing) {
    Play({'F', 'D', VK_TAB, -VK_TAB});
    EXPECT_EQ(GetFocus(), SecondCell());
    Play({-'F', -'D'});
    EXPECT_EQ(First(), "1 2 3 4 5 6");
    EXPECT_EQ(Second(), "1 2 3 4 5 6");
    EXPECT_EQ(GetFocus(), SecondCell());
}

// Where Windows hides focus rectangles until the keyboard is used (Wine
// always shows them), the window is told to show them once a key moves the
// focus, on the cells as on the buttons; the mouse leaves them as they are.
TEST_F(WorkshopKeysTest, MovingTheFocusByKeyShowsFocusRectangles) {
    const WPARAM show = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
    guitest::MessagesSeen told(form->Handle(), WM_CHANGEUISTATE);
    PressDot(form->WorkshopFirstCell, 1);
    EXPECT_EQ(told.count, 0);
    Chord(braille::Dots("2"));
    ASSERT_EQ(GetFocus(), SecondCell());
    EXPECT_EQ(told.count, 1);
    EXPECT_EQ(told.lastWParam, show);
    Tab();
    EXPECT_EQ(told.count, 2);
    EXPECT_EQ(told.lastWParam, show);
}
