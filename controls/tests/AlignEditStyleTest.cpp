// The native window's style, and what survives its re-creation.
#include "AlignEditFixture.h"

using namespace fw;

namespace {

struct StyleCase {
    TAlignment alignment;
    bool wordWrap;
    DWORD alignmentBits; // ES_LEFT, ES_RIGHT or ES_CENTER
};

const StyleCase kStyleCases[] = {
    {taLeftJustify, false, ES_LEFT},  {taRightJustify, false, ES_RIGHT},
    {taCenter, false, ES_CENTER},     {taLeftJustify, true, ES_LEFT},
    {taRightJustify, true, ES_RIGHT}, {taCenter, true, ES_CENTER},
};

constexpr DWORD kAlignmentMask = ES_LEFT | ES_RIGHT | ES_CENTER;

void CheckStyle(DWORD style, const StyleCase& expected) {
    EXPECT_EQ(style & kAlignmentMask, expected.alignmentBits);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_AUTOVSCROLL);
    EXPECT_EQ((style & ES_AUTOHSCROLL) != 0, !expected.wordWrap);
}

} // namespace

TEST_F(AlignEditTest, StyleFollowsAlignmentAndWordWrapOnTheLiveWindow) {
    for (const StyleCase& c : kStyleCases) {
        SCOPED_TRACE(testing::Message()
                     << "alignment " << int(c.alignment) << ", word wrap " << c.wordWrap);
        edit->SetAlignment(c.alignment);
        edit->SetWordWrap(c.wordWrap);
        CheckStyle(EditStyle(), c);
    }
}

TEST_F(AlignEditTest, ExitOnReturnAfterWordWrapKeepsTheWindowFromScrollingSideways) {
    edit->SetWordWrap(true);
    edit->SetExitOnReturn(true);
    EXPECT_TRUE(edit->WordWrap());
    EXPECT_FALSE(edit->MultiLine());
    EXPECT_FALSE(EditStyle() & ES_AUTOHSCROLL);
}

TEST_F(AlignEditTest, TextAndFocusSurviveTheNewWindowOfAnAlignmentChange) {
    edit->SetText("Braille");
    FocusEdit();
    int changes = 0;
    edit->OnChange = [&](TComponent*) { ++changes; };

    edit->SetAlignment(taCenter);
    guitest::Pump();

    EXPECT_EQ(EditStyle() & kAlignmentMask, DWORD(ES_CENTER));
    EXPECT_EQ(guitest::WindowText(edit->Handle()), L"Braille");
    EXPECT_EQ(edit->Text(), "Braille");
    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_TRUE(edit->HasFocus());
    EXPECT_EQ(changes, 0);
}
