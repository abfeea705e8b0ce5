// The Learning page driven as a person would: keys and pastes into the real field.
#include "MainWindowFixture.h"
#include "ResourceCount.h"

#include "braille/AlphabetTable.h"
#include "controls/AlignEdit.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"
#include "framework/widgets/ToolButton.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/MainMenu.h"
#include "framework/core/Text.h"

using guitest::Type;

namespace {

struct PageState {
    std::string text, label1, label2, label3, first, second;
};

const PageState kCleared{"", "Entrez un caract\xE8re...", "", "", "none", "none"};

PageState Showing(std::string text, std::string caption, std::string first, std::string second) {
    return {text, text, caption, text, first, second};
}

struct TypingCase {
    const wchar_t* typed;
    PageState expected;
};

} // namespace

class LearningPageTest : public MainWindowTest {
protected:
    PageState State() const {
        return {form->alEdit1->Text(),
                form->Label1->Caption(),
                form->Label2->Caption(),
                form->Label3->Caption(),
                CellDots(form->LearningFirstCell),
                CellDots(form->LearningSecondCell)};
    }
    void ExpectState(const PageState& expected, const std::string& context) const {
        PageState actual = State();
        EXPECT_EQ(actual.text, expected.text) << context;
        EXPECT_EQ(actual.label1, expected.label1) << context;
        EXPECT_EQ(actual.label2, expected.label2) << context;
        EXPECT_EQ(actual.label3, expected.label3) << context;
        EXPECT_EQ(actual.first, expected.first) << context;
        EXPECT_EQ(actual.second, expected.second) << context;
    }
};

TEST_F(LearningPageTest, StartsClearedWithTheFocusInTheField) {
    ExpectState(kCleared, "at start");
    EXPECT_EQ(GetFocus(), EditWindow());
    EXPECT_TRUE(form->tlbtnNouveau->Enabled());
    EXPECT_TRUE(form->Nouveau1->Enabled());
}

TEST_F(LearningPageTest, TypingShowsTheCellsOrClearsThePage) {
    const TypingCase cases[] = {
        {L"a", Showing("a", "minuscule", "none", "1")},
        {L"A", Showing("A", "Majuscule", "4 6", "1")},
        {L"ab", kCleared},
        {L"abb", Showing("b", "minuscule", "none", "1 2")},
        {L"oe", Showing("oe", "minuscules", "none", "2 4 6")},
        {L"OE", Showing("OE", "Majuscule", "4 6", "2 4 6")},
        {L"Oe", kCleared},
        {L"1", Showing("1", "Num\xE9rique", "6", "1 6")},
        {L"\u00E2", Showing("\xE2", "minuscule", "none", "1 6")},
        {L"0", Showing("0", "Num\xE9rique", "6", "3 4 5 6")},
        {L".", Showing(".", "Ponctuation", "none", "3")},
        {L",", Showing(",", "Ponctuation", "none", "2")},
        {L"/", Showing("/", "", "none", "2 5 6")},
        {L"*", Showing("*", "", "none", "3 5")},
        {L"\"", Showing("\"", "Tr\xE9ma", "none", "2 3 5 6")},
        {L"\u00A7", Showing("\xA7", "Paragraphe", "none", "3 4 6")},
        {L"\u00C7", Showing("\xC7", "Majuscule", "4 6", "1 2 3 4 6")},
        {L" ", kCleared},
        {L"'", kCleared},
        {L"\u00E1", kCleared},
        {L"\u0101", kCleared},  // a with macron: no look-alike "a"
        {L"\u0153", kCleared},  // the oe ligature is not "oe"
        {L"e\u0301", kCleared}, // e with a combining accent is not "é"
    };
    for (const TypingCase& c : cases) {
        form->tlbtnNouveauClick(nullptr);
        Type(EditWindow(), c.typed);
        ExpectState(c.expected, "typed " + fw::FromWide(c.typed));
    }
}

TEST_F(LearningPageTest, AnEmptiedFieldRunsTheChangeHandlerOneLevelDeep) {
    int changes = 0;
    auto original = form->alEdit1->OnChange;
    form->alEdit1->OnChange = [&](fw::TComponent* sender) {
        ++changes;
        original(sender);
    };
    Type(EditWindow(), L"a");
    EXPECT_EQ(changes, 1);
    changes = 0;
    Type(EditWindow(), L"b");
    // "ab": the outer run empties the field, which runs the handler once more.
    EXPECT_EQ(changes, 2);
    ExpectState(kCleared, "after ab");
}

TEST_F(LearningPageTest, BackspaceEmptiesTheWholeField) {
    Type(EditWindow(), L"oe");
    guitest::PressKey(EditWindow(), VK_BACK);
    ExpectState(kCleared, "Backspace on oe");
    guitest::PressKey(EditWindow(), VK_BACK);
    ExpectState(kCleared, "Backspace on the empty field");
}

TEST_F(LearningPageTest, DeleteKeyChangesTheRowOrClears) {
    Type(EditWindow(), L"oe");
    form->alEdit1->SetSelection(0, 0);
    guitest::PressKey(EditWindow(), VK_DELETE);
    ExpectState(Showing("e", "minuscule", "none", "1 5"), "Delete before oe");
    form->alEdit1->SetSelection(0, 0);
    guitest::PressKey(EditWindow(), VK_DELETE);
    ExpectState(kCleared, "Delete of the last character");
}

TEST_F(LearningPageTest, TypingOverASelectionReplacesTheRow) {
    Type(EditWindow(), L"A");
    form->alEdit1->SelectAll();
    Type(EditWindow(), L"/");
    ExpectState(Showing("/", "", "none", "2 5 6"), "slash over A");
}

TEST_F(LearningPageTest, PastedTextIsLookedUpWhole) {
    guitest::Paste(EditWindow(), L"oe");
    ExpectState(Showing("oe", "minuscules", "none", "2 4 6"), "paste oe");
    form->tlbtnNouveauClick(nullptr);
    guitest::Paste(EditWindow(), L"abcd");
    ExpectState(kCleared, "paste abcd");
}

TEST_F(LearningPageTest, TextSetFromCodeShowsLikeTyping) {
    form->alEdit1->SetText("A");
    ExpectState(Showing("A", "Majuscule", "4 6", "1"), "SetText A");
    form->alEdit1->SetText("xyz");
    ExpectState(kCleared, "SetText xyz");
}

TEST_F(LearningPageTest, ReturnBeepsAndLeavesTheText) {
    Type(EditWindow(), L"a");
    guitest::ResetBeepCount();
    guitest::PressKey(EditWindow(), VK_RETURN);
    EXPECT_EQ(guitest::BeepCount(), 1);
    ExpectState(Showing("a", "minuscule", "none", "1"), "after Return");
}

TEST_F(LearningPageTest, NouveauClearsAndPutsTheFocusBackInTheField) {
    Type(EditWindow(), L"A");
    SetFocus(form->Handle()); // away from the field
    form->tlbtnNouveauClick(nullptr);
    guitest::Pump();
    ExpectState(kCleared, "after Nouveau");
    EXPECT_EQ(GetFocus(), EditWindow());
}

namespace {

// Character height of the font the field's window draws with, in pixels.
int WindowFontHeight(HWND edit) {
    LOGFONTW font{};
    GetObjectW(HFONT(SendMessageW(edit, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::abs(font.lfHeight);
}

// Leftmost and rightmost columns of dark ink in the field, as drawn on screen.
std::pair<int, int> InkColumns(HWND edit) {
    RECT client{};
    GetClientRect(edit, &client);
    HDC dc = GetDC(edit);
    int left = client.right, right = -1;
    for (int x = 0; x < client.right; ++x)
        for (int y = 0; y < client.bottom; y += 2)
            if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
                left = std::min(left, x);
                right = std::max(right, x);
                break;
            }
    ReleaseDC(edit, dc);
    return {left, right};
}

// Top and bottom rows of dark ink in the field, as drawn on screen.
std::pair<int, int> InkRows(HWND edit) {
    RECT client{};
    GetClientRect(edit, &client);
    HDC dc = GetDC(edit);
    int top = client.bottom, bottom = -1;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; x += 2)
            if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                break;
            }
    ReleaseDC(edit, dc);
    return {top, bottom};
}

} // namespace

TEST_F(LearningPageTest, TwoLettersStandInTheMiddleOfTheFieldAsOneLetterDoes) {
    HWND edit = EditWindow();
    auto inkOf = [&](const wchar_t* typed) {
        guitest::PressKey(edit, VK_BACK);
        Type(edit, typed);
        guitest::Pump();
        UpdateWindow(edit);
        return InkRows(edit);
    };
    auto [aTop, aBottom] = inkOf(L"A");
    auto [oeTop, oeBottom] = inkOf(L"OE");
    ASSERT_GE(aBottom, aTop) << "no ink for A";
    ASSERT_GE(oeBottom, oeTop) << "no ink for OE";
    EXPECT_LT(oeBottom - oeTop, aBottom - aTop) << "OE drawn smaller than A";
    // Capitals all: the middles of their ink agree to a pixel or so.
    EXPECT_NEAR((oeTop + oeBottom) / 2.0, (aTop + aBottom) / 2.0, 1.5)
        << "A rows " << aTop << "-" << aBottom << ", OE rows " << oeTop << "-" << oeBottom;
}

TEST_F(LearningPageTest, EveryRowIsShownWholeOnOneLine) {
    HWND edit = EditWindow();
    RECT client{};
    GetClientRect(edit, &client);
    for (const braille::AlphabetRow& row : braille::AlphabetTable()) {
        std::string text(row.text);
        form->alEdit1->SetText(text);
        EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 1) << text;
        if (text.size() == 1) {
            EXPECT_EQ(WindowFontHeight(edit), 96) << text;
        }
    }
    // "OE" typed: both letters are on screen, about the middle of the field.
    form->alEdit1->SetText("");
    Type(edit, L"OE");
    ExpectState(Showing("OE", "Majuscule", "4 6", "2 4 6"), "typed OE");
    EXPECT_LT(WindowFontHeight(edit), 96); // wider than the field at full size
    guitest::Pump();
    UpdateWindow(edit);
    auto [left, right] = InkColumns(edit);
    int middle = client.right / 2;
    EXPECT_LT(left, middle - 25) << "no ink of the O";
    EXPECT_GT(right, middle + 25) << "no ink of the E";
    // Another text as wide is measured with the fonts the field has.
    {
        guitest::DrawingObjectCreations made;
        form->alEdit1->SetText("EO");
        form->alEdit1->SetText("OE");
        EXPECT_EQ(made.Since(), 0);
    }
    // Back to one character: the full size again.
    guitest::PressKey(edit, VK_BACK);
    EXPECT_EQ(WindowFontHeight(edit), 96);
}
