// The focused and unfocused looks, HasFocus, select-on-entry and repainting
// as the focus comes and goes.
#include "AlignEditFixture.h"

using namespace fw;

namespace {

class AlignEditFocusTest : public AlignEditTest {
protected:
    void SetUp() override {
        AlignEditTest::SetUp();
        FocusNext();
        TFont focused;
        focused.SetName("Arial");
        focused.SetStyle(fsBold);
        TFont unfocused;
        unfocused.SetName("Courier New");
        unfocused.SetHeight(-13);
        edit->SetColorOnFocus(clYellow);
        edit->SetColorOnNoFocus(clAqua);
        edit->SetFontOnFocus(focused);
        edit->SetFontOnNoFocus(unfocused);
        guitest::Pump();
    }
};

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace

TEST_F(AlignEditFocusTest, UnfocusedLookIsShownFromTheStart) {
    EXPECT_FALSE(edit->HasFocus());
    EXPECT_EQ(edit->Color(), clAqua);
    EXPECT_EQ(edit->Font().Name(), "Courier New");
    EXPECT_EQ(edit->Font().Height(), -13);
    EXPECT_EQ(BackgroundPixel(), ColorToRGB(clAqua));
    EXPECT_EQ(WindowFontFace(), L"Courier New");
}

TEST_F(AlignEditFocusTest, EntryAppliesTheFocusedLookBeforeOnEnter) {
    edit->SetText("abc");
    bool hadFocus = false;
    TColor colorSeen = clBlack;
    std::string fontSeen;
    int selectedSeen = -1;
    int enters = 0;
    edit->OnEnter = [&](TComponent*) {
        ++enters;
        hadFocus = edit->HasFocus();
        colorSeen = edit->Color();
        fontSeen = edit->Font().Name();
        selectedSeen = edit->SelLength();
    };

    FocusEdit();

    EXPECT_EQ(enters, 1);
    EXPECT_TRUE(hadFocus);
    EXPECT_EQ(colorSeen, clYellow);
    EXPECT_EQ(fontSeen, "Arial");
    EXPECT_EQ(selectedSeen, 3);
    EXPECT_TRUE(edit->Font().Style() & fsBold);
    EXPECT_EQ(BackgroundPixel(), ColorToRGB(clYellow));
    EXPECT_EQ(WindowFontFace(), L"Arial");
}

TEST_F(AlignEditFocusTest, ExitAppliesTheUnfocusedLookBeforeOnExit) {
    FocusEdit();
    bool hadFocus = true;
    TColor colorSeen = clBlack;
    std::string fontSeen;
    edit->OnExit = [&](TComponent*) {
        hadFocus = edit->HasFocus();
        colorSeen = edit->Color();
        fontSeen = edit->Font().Name();
    };

    FocusNext();

    EXPECT_FALSE(hadFocus);
    EXPECT_EQ(colorSeen, clAqua);
    EXPECT_EQ(fontSeen, "Courier New");
    EXPECT_EQ(BackgroundPixel(), ColorToRGB(clAqua));
    EXPECT_EQ(WindowFontFace(), L"Courier New");
}

TEST_F(AlignEditFocusTest, ColorOnNoFocusShowsAtOnceEvenWhileFocused) {
    FocusEdit();
    edit->SetColorOnNoFocus(clLime);
    EXPECT_EQ(edit->Color(), clLime);
    EXPECT_EQ(BackgroundPixel(), ColorToRGB(clLime));

    FocusNext();
    EXPECT_EQ(edit->Color(), clLime);
    FocusEdit();
    EXPECT_EQ(edit->Color(), clYellow);
}

TEST_F(AlignEditFocusTest, ColorOnFocusShowsAtOnceOnlyWhileFocused) {
    edit->SetColorOnFocus(clLime);
    EXPECT_EQ(edit->Color(), clAqua);

    FocusEdit();
    EXPECT_EQ(edit->Color(), clLime);
    edit->SetColorOnFocus(clWhite);
    EXPECT_EQ(edit->Color(), clWhite);
    EXPECT_EQ(BackgroundPixel(), ColorToRGB(clWhite));
}

TEST_F(AlignEditFocusTest, FontSettersCopyTheGivenFontAndFollowTheFocusRule) {
    TFont given;
    given.SetName("Times New Roman");
    edit->SetFontOnFocus(given);
    EXPECT_EQ(edit->Font().Name(), "Courier New"); // not focused: not shown yet
    given.SetName("Tahoma");                       // the copy is what the window shows on entry

    FocusEdit();
    EXPECT_EQ(edit->Font().Name(), "Times New Roman");
    EXPECT_EQ(WindowFontFace(), L"Times New Roman");
    given.SetHeight(-20);
    edit->SetFontOnFocus(given);
    EXPECT_EQ(edit->Font().Name(), "Tahoma");
    EXPECT_EQ(edit->Font().Height(), -20);
    EXPECT_EQ(WindowFontFace(), L"Tahoma");

    // The unfocused font is applied at once, focused or not.
    given.SetName("Courier New");
    edit->SetFontOnNoFocus(given);
    given.SetName("Arial");
    EXPECT_EQ(edit->Font().Name(), "Courier New");
    EXPECT_EQ(WindowFontFace(), L"Courier New");
}

TEST_F(AlignEditFocusTest, EveryChangeOfFontOnNoFocusReachesTheWindowAtOnce) {
    edit->FontOnNoFocus().SetName("Arial");
    EXPECT_EQ(edit->Font().Name(), "Arial");
    EXPECT_EQ(WindowFontFace(), L"Arial");

    FocusEdit();
    edit->FontOnNoFocus().SetHeight(-30);
    EXPECT_EQ(edit->Font().Height(), -30);
    EXPECT_EQ(edit->Font().Name(), "Arial");

    // FontOnFocus has no such link.
    edit->FontOnFocus().SetName("Tahoma");
    EXPECT_EQ(edit->Font().Name(), "Arial");
}

TEST_F(AlignEditFocusTest, KeyboardEntrySelectsTheWholeTextUnlessAutoSelectIsOff) {
    edit->SetText("Braille");
    FocusEdit();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 7);

    FocusNext();
    edit->SetAutoSelect(false);
    edit->SetSelection(3, 0);
    FocusEdit();
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(AlignEditFocusTest, EntryByAClickKeepsTheCaretWhereTheClickPutIt) {
    edit->SetText("Braille");
    ASSERT_TRUE(edit->AutoSelect());
    RECT client;
    GetClientRect(edit->Handle(), &client);

    guitest::Click(edit->Handle(), client.right - 4, 8);

    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_TRUE(edit->HasFocus());
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), 7);

    // The next entry from the keyboard selects again.
    FocusNext();
    FocusEdit();
    EXPECT_EQ(edit->SelLength(), 7);
}

TEST_F(AlignEditTest, OnlyACentredOrRightAlignedFieldIsRepaintedWholeOnFocusChange) {
    // The same look in both states: only the alignment rule can repaint.
    FocusNext();
    const std::pair<TAlignment, bool> cases[] = {
        {taLeftJustify, false}, {taCenter, true}, {taRightJustify, true}};
    for (const auto& [alignment, repainted] : cases) {
        SCOPED_TRACE(testing::Message() << "alignment " << int(alignment));
        edit->SetAlignment(alignment);
        guitest::Pump();
        HWND window = edit->Handle();
        RECT client, update;
        GetClientRect(window, &client);
        ASSERT_FALSE(GetUpdateRect(window, &update, FALSE));

        edit->SetFocus(); // read before any WM_PAINT runs
        ASSERT_EQ(GetFocus(), window);
        GetUpdateRect(window, &update, FALSE);
        if (repainted)
            EXPECT_TRUE(EqualRect(&update, &client));
        else
            EXPECT_TRUE(IsEmpty(update));
        guitest::Pump();

        next->SetFocus();
        GetUpdateRect(window, &update, FALSE);
        if (repainted)
            EXPECT_TRUE(EqualRect(&update, &client));
        else
            EXPECT_TRUE(IsEmpty(update));
        guitest::Pump();
    }
}
