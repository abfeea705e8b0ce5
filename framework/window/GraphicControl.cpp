#include "framework/window/GraphicControl.h"

#include "framework/window/WinControl.h"

namespace fw {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Invalidate() {
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    RECT r = BoundsOnScreen();
    InvalidateRect(parent->Handle(), &r, TRUE);
}

RECT TGraphicControl::ClientRectOnScreen() const {
    RECT r = BoundsOnScreen();
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

void TGraphicControl::PaintTo(HDC dc) {
    TCanvas canvas(dc);
    canvas.UseFont(Font(), PixelsPerInch());
    Paint(canvas);
}

} // namespace fw
