// The Line setter's size rules, and which setters ask the parent to repaint.
#include "LineFixture.h"

#include <ostream>

namespace {

struct SwitchCase {
    const char* name;
    TLineType from, to;
    int width, height; // from a 120 x 20 horizontal or a 20 x 120 vertical strip
};

std::ostream& operator<<(std::ostream& out, const SwitchCase& c) {
    return out << c.name;
}

class LineSwitchTest : public LineTest, public testing::WithParamInterface<SwitchCase> {};

} // namespace

TEST_P(LineSwitchTest, StripHandsItsLongSideToTheNewKind) {
    const SwitchCase& c = GetParam();
    line->SetLine(c.from);
    if (c.from == ltHorizontal)
        line->SetBounds(0, 0, 120, 20);
    else
        line->SetBounds(0, 0, 20, 120);
    line->SetLine(c.to);
    EXPECT_EQ(line->Line(), c.to);
    EXPECT_EQ(line->Width(), c.width);
    EXPECT_EQ(line->Height(), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    SizeTable, LineSwitchTest,
    testing::Values(SwitchCase{"HorizontalToVertical", ltHorizontal, ltVertical, 20, 120},
                    SwitchCase{"HorizontalToTop", ltHorizontal, ltTop, 120, 65},
                    SwitchCase{"HorizontalToBottom", ltHorizontal, ltBottom, 120, 65},
                    SwitchCase{"HorizontalToLeft", ltHorizontal, ltLeft, 65, 120},
                    SwitchCase{"HorizontalToRight", ltHorizontal, ltRight, 65, 120},
                    SwitchCase{"HorizontalToDiagonal", ltHorizontal, ltUpDiagonal, 120, 65},
                    SwitchCase{"HorizontalToCustom", ltHorizontal, ltCustom, 120, 20},
                    SwitchCase{"VerticalToHorizontal", ltVertical, ltHorizontal, 120, 20},
                    SwitchCase{"VerticalToTop", ltVertical, ltTop, 120, 65},
                    SwitchCase{"VerticalToLeft", ltVertical, ltLeft, 65, 120},
                    SwitchCase{"VerticalToDiagonal", ltVertical, ltDownDiagonal, 65, 120},
                    SwitchCase{"VerticalToCustom", ltVertical, ltCustom, 20, 120},
                    SwitchCase{"TopToLeft", ltTop, ltLeft, 20, 120}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineTest, HorizontalToVerticalAndBackRestoresTheSize) {
    line->SetLine(ltHorizontal);
    line->SetBounds(0, 0, 150, 10);
    line->SetLine(ltVertical);
    line->SetLine(ltHorizontal);
    EXPECT_EQ(line->Width(), 150);
    EXPECT_EQ(line->Height(), 10);
}

// A pen is copied, never taken over: the line is drawn in the colour it was given,
// at once, and changing the given pen later does nothing.
TEST_F(LineTest, PenIsCopiedAndDrawsTheLine) {
    ShowOnForm(20, 30);
    ASSERT_EQ(WindowPixel(20 + 10, 30 + 10), RGB(0, 0, 0)); // the default diagonal
    fw::TPen red;
    red.SetColor(fw::clRed);
    line->SetPen(red);
    red.SetColor(fw::clBlue);
    guitest::Pump();
    EXPECT_EQ(WindowPixel(20 + 10, 30 + 10), RGB(255, 0, 0));
    EXPECT_EQ(line->Pen().Color(), fw::clRed);
}

// The parent repaints the line after a resize: the first, taller line is gone.
TEST_F(LineTest, ParentRepaintsTheStripAfterItsFirstPaint) {
    line->SetLine(ltHorizontal);
    line->SetWidth(100);
    ShowOnForm(20, 30);
    EXPECT_EQ(line->Height(), 10);
    EXPECT_EQ(WindowPixel(20 + 50, 30 + 4), RGB(0, 0, 0));
    EXPECT_EQ(WindowPixel(20 + 50, 30 + 32), RGB(255, 255, 255));
    EXPECT_EQ(WindowPixel(20 + 99, 30 + 4), RGB(255, 255, 255));
}

// A point set under ltCustom repaints, even when it does not change; under
// a fixed rule nothing happens at all.
TEST_F(LineTest, PointSettersRepaintOnlyUnderCustom) {
    ShowOnForm(20, 30);
    struct {
        TLineType kind;
        bool repaints;
    } const cases[] = {{ltCustom, true}, {ltTop, false}};
    for (const auto& c : cases) {
        line->SetLine(c.kind);
        guitest::Pump();
        ValidateRect(form->Handle(), nullptr);
        line->SetFromX(line->FromX());
        EXPECT_EQ(GetUpdateRect(form->Handle(), nullptr, FALSE) != 0, c.repaints) << int(c.kind);
    }
}
