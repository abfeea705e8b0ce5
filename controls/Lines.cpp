#include "controls/Lines.h"

#include <algorithm>

using namespace fw;

namespace {
// The side of a control that no rule has sized yet.
constexpr int kDefaultSide = 65;
// A strip line's thickness, in pen widths.
constexpr int kStripFactor = 10;
} // namespace

TLine::TLine(TComponent* owner) : TGraphicControl(owner) {
    pen_.OnChange = [this] { StyleChanged(); };
    brush_.OnChange = [this] { StyleChanged(); };
    SetBounds(0, 0, kDefaultSide, kDefaultSide);
}

void TLine::SetCoordinate(int& coordinate, int value) {
    if (line_ != ltCustom)
        return;
    coordinate = value;
    Invalidate();
}

void TLine::SetLine(TLineType line) {
    if (line == line_)
        return;
    ResizeFromStrip(line);
    line_ = line;
    Invalidate();
}

// A strip (horizontal or vertical) turned into another kind keeps its long
// side where the new kind needs it, so that switching back restores it.
void TLine::ResizeFromStrip(TLineType next) {
    int width = Width();
    int height = Height();
    if (next == ltCustom)
        return;
    if (line_ == ltHorizontal) {
        switch (next) {
        case ltVertical:
            SetBounds(Left(), Top(), height, width);
            break;
        case ltLeft:
        case ltRight:
            SetHeight(width);
            SetWidth(kDefaultSide);
            break;
        default: // top, bottom, the diagonals
            SetHeight(kDefaultSide);
        }
    } else if (line_ == ltVertical) {
        switch (next) {
        case ltHorizontal:
            SetBounds(Left(), Top(), height, width);
            break;
        case ltTop:
        case ltBottom:
            SetWidth(height);
            SetHeight(kDefaultSide);
            break;
        default: // left, right, the diagonals
            SetWidth(kDefaultSide);
        }
    }
}

void TLine::Paint(TCanvas& canvas) {
    canvas.UsePen(pen_);
    canvas.UseBrush(brush_);
    // The size as it is now: the line below is drawn with it even where the
    // rules resize the control, and the repaint that follows uses the new one.
    int right = Width() - 1;
    int bottom = Height() - 1;
    if (line_ == ltCustom)
        FitCustomPoints(right, bottom);
    else
        PlaceByRule(right, bottom);
    canvas.MoveTo(ToScreen(fromX_), ToScreen(fromY_));
    canvas.LineTo(ToScreen(toX_), ToScreen(toY_));
}

// Negative points become 0; the control grows to hold both, never shrinks.
void TLine::FitCustomPoints(int right, int bottom) {
    toX_ = std::max(toX_, 0);
    fromX_ = std::max(fromX_, 0);
    if (right < toX_ || right < fromX_)
        SetWidth(std::max(toX_, fromX_) + 1);
    toY_ = std::max(toY_, 0);
    fromY_ = std::max(fromY_, 0);
    if (bottom < toY_ || bottom < fromY_)
        SetHeight(std::max(toY_, fromY_) + 1);
}

void TLine::PlaceByRule(int right, int bottom) {
    struct Points {
        int fromX, fromY, toX, toY;
    };
    Points p{};
    switch (line_) {
    case ltHorizontal:
        p = {0, bottom / 2, right, bottom / 2};
        break;
    case ltVertical:
        p = {right / 2, 0, right / 2, bottom};
        break;
    case ltTop:
        p = {0, 0, right, 0};
        break;
    case ltBottom:
        p = {0, bottom, right, bottom};
        break;
    case ltLeft:
        p = {0, 0, 0, bottom};
        break;
    case ltRight:
        p = {right, 0, right, bottom};
        break;
    case ltUpDiagonal:
        p = {0, bottom, right, 0};
        break;
    default: // ltDownDiagonal
        p = {0, 0, right, bottom};
    }
    fromX_ = p.fromX;
    fromY_ = p.fromY;
    toX_ = p.toX;
    toY_ = p.toY;
    if (line_ == ltHorizontal)
        SetHeight(kStripFactor * pen_.Width());
    else if (line_ == ltVertical)
        SetWidth(kStripFactor * pen_.Width());
}
