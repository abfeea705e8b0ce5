#include "framework/widgets/Shape.h"

#include <algorithm>

namespace fw {

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 65);
    pen_.OnChange = [this] { Invalidate(); };
    brush_.OnChange = [this] { Invalidate(); };
}

void TShape::SetShape(TShapeType shape) {
    if (shape == shape_)
        return;
    shape_ = shape;
    Invalidate();
}

void TShape::Paint(TCanvas& canvas) {
    canvas.UsePen(pen_);
    canvas.UseBrush(brush_);
    RECT area = ClientRectOnScreen();
    // The outline lies inside the control, half a pen's width from the edge.
    int x = pen_.Width() / 2;
    int y = x;
    int w = area.right - pen_.Width() + 1;
    int h = area.bottom - pen_.Width() + 1;
    if (pen_.Width() == 0) {
        --w;
        --h;
    }
    bool square = shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle;
    if (square) {
        int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    switch (shape_) {
    case stEllipse:
    case stCircle:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4);
        break;
    default:
        canvas.Rectangle(x, y, x + w, y + h);
    }
}

} // namespace fw
