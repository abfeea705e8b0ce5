// What a paint draws, and what it does to the size and the end points.
#include "LineFixture.h"

#include <ostream>

namespace {

struct Point {
    int x, y;
};

struct KindCase {
    const char* name;
    TLineType kind;
    Point from, to;    // what the settled line joins, in a 50 x 40 control
    int width, height; // the size once painted
};

std::ostream& operator<<(std::ostream& out, const KindCase& c) {
    return out << c.name;
}

// The last pixel before `to` on the way from `from`.
Point OneBefore(Point from, Point to) {
    auto step = [](int a, int b) { return a < b ? 1 : a > b ? -1 : 0; };
    return {to.x - step(from.x, to.x), to.y - step(from.y, to.y)};
}

class LineKindTest : public LineTest, public testing::WithParamInterface<KindCase> {};

} // namespace

// Every kind draws its line from its start point up to, but not including,
// its end point, and leaves the end points where it drew.
TEST_P(LineKindTest, DrawsItsLineAndLeavesTheEndPointUnpainted) {
    const KindCase& c = GetParam();
    line->SetBounds(0, 0, 50, 40);
    line->SetLine(c.kind);
    surface.Paint(*line); // a strip takes its thickness here
    surface.Paint(*line);
    EXPECT_EQ(line->Width(), c.width);
    EXPECT_EQ(line->Height(), c.height);
    EXPECT_EQ(line->FromX(), c.from.x);
    EXPECT_EQ(line->FromY(), c.from.y);
    EXPECT_EQ(line->ToX(), c.to.x);
    EXPECT_EQ(line->ToY(), c.to.y);
    Point last = OneBefore(c.from, c.to);
    EXPECT_TRUE(surface.Black(c.from.x, c.from.y));
    EXPECT_TRUE(surface.Black(last.x, last.y));
    EXPECT_FALSE(surface.Black(c.to.x, c.to.y));
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, LineKindTest,
    testing::Values(KindCase{"custom", ltCustom, {0, 0}, {35, 35}, 50, 40},
                    KindCase{"horizontal", ltHorizontal, {0, 4}, {49, 4}, 50, 10},
                    KindCase{"vertical", ltVertical, {4, 0}, {4, 39}, 10, 40},
                    KindCase{"top", ltTop, {0, 0}, {49, 0}, 50, 40},
                    KindCase{"bottom", ltBottom, {0, 39}, {49, 39}, 50, 40},
                    KindCase{"left", ltLeft, {0, 0}, {0, 39}, 50, 40},
                    KindCase{"right", ltRight, {49, 0}, {49, 39}, 50, 40},
                    KindCase{"up diagonal", ltUpDiagonal, {0, 39}, {49, 0}, 50, 40},
                    KindCase{"down diagonal", ltDownDiagonal, {0, 0}, {49, 39}, 50, 40}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        return name;
    });

TEST_F(LineTest, StartsAsADiagonalInASquare) {
    EXPECT_EQ(line->Line(), ltCustom);
    EXPECT_EQ(line->Width(), 65);
    EXPECT_EQ(line->Height(), 65);
    EXPECT_EQ(line->Pen().Color(), fw::clBlack);
    EXPECT_EQ(line->Pen().Width(), 1);
    surface.Paint(*line);
    EXPECT_TRUE(surface.Black(0, 0));
    EXPECT_TRUE(surface.Black(34, 34));
    EXPECT_FALSE(surface.Black(35, 35));
}

// The first paint draws with the size it found; the repaint with the strip's.
TEST_F(LineTest, HorizontalDrawsWithTheSizeItFoundThenWithItsStrip) {
    line->SetLine(ltHorizontal);
    surface.Paint(*line);
    EXPECT_TRUE(surface.Black(10, 32));
    EXPECT_EQ(line->Height(), 10);
    surface.Paint(*line);
    EXPECT_TRUE(surface.Black(10, 4));
    EXPECT_FALSE(surface.Black(10, 32));
    EXPECT_EQ(line->Height(), 10);
}

TEST_F(LineTest, StripIsTenPenWidthsThick) {
    line->Pen().SetWidth(3);
    line->SetLine(ltHorizontal);
    surface.Paint(*line);
    EXPECT_EQ(line->Height(), 30);
    line->SetLine(ltVertical);
    surface.Paint(*line);
    EXPECT_EQ(line->Width(), 30);
}

TEST_F(LineTest, CustomGrowsToHoldItsPointsAndNeverShrinks) {
    line->SetFromY(10);
    line->SetToX(200);
    line->SetToY(10);
    surface.Paint(*line);
    EXPECT_EQ(line->Width(), 201);
    EXPECT_EQ(line->Height(), 65);
    EXPECT_TRUE(surface.Black(199, 10));
    EXPECT_FALSE(surface.Black(200, 10));

    line->SetToX(5);
    line->SetToY(80);
    surface.Paint(*line);
    EXPECT_EQ(line->Width(), 201);
    EXPECT_EQ(line->Height(), 81);
}

TEST_F(LineTest, CustomTurnsNegativePointsToZero) {
    line->SetFromX(-3);
    line->SetFromY(-5);
    line->SetToX(-1);
    EXPECT_EQ(line->FromY(), -5); // until the next paint
    surface.Paint(*line);
    EXPECT_EQ(line->FromX(), 0);
    EXPECT_EQ(line->FromY(), 0);
    EXPECT_EQ(line->ToX(), 0);
    EXPECT_EQ(line->ToY(), 35);
    EXPECT_TRUE(surface.Black(0, 0));
    EXPECT_TRUE(surface.Black(0, 34));
}

// Under a fixed rule the points are the rule's; back under ltCustom the line
// joins the points that the last paint left.
TEST_F(LineTest, PointsSetUnderARuleAreIgnored) {
    line->SetLine(ltTop);
    line->SetFromX(20);
    line->SetToY(30);
    EXPECT_EQ(line->FromX(), 0);
    EXPECT_EQ(line->ToY(), 35);
    surface.Paint(*line);
    line->SetLine(ltCustom);
    surface.Paint(*line);
    EXPECT_TRUE(surface.Black(0, 0));
    EXPECT_TRUE(surface.Black(63, 0));
    EXPECT_FALSE(surface.Black(64, 0));
    EXPECT_FALSE(surface.Black(10, 10));
}
