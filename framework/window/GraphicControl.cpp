#include "framework/window/GraphicControl.h"

#include "framework/core/Dpi.h"
#include "framework/window/WinControl.h"

namespace fw {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Invalidate() {
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    int left = ScaleToScreen(Left());
    int top = ScaleToScreen(Top());
    RECT r{left, top, left + ScaleToScreen(Width()), top + ScaleToScreen(Height())};
    InvalidateRect(parent->Handle(), &r, TRUE);
}

RECT TGraphicControl::ClientRectOnScreen() const {
    return {0, 0, ScaleToScreen(Width()), ScaleToScreen(Height())};
}

void TGraphicControl::PaintTo(HDC dc) {
    TCanvas canvas(dc);
    canvas.UseFont(Font());
    Paint(canvas);
}

} // namespace fw
