// Windowless children are drawn and hit-tested by their parent window.
#include "framework/WinControl.h"

#include "framework/GraphicControl.h"

namespace fw {

namespace {
// The part of the update rectangle where windowless children are drawn.
RECT WindowlessArea(const TWinControl& parent, const RECT& update)
{
    RECT area{};
    for (TControl* child : parent.Controls()) {
        if (!dynamic_cast<TGraphicControl*>(child) || !child->Visible())
            continue;
        RECT r = ScaledRect(*child);
        UnionRect(&area, &area, &r);
    }
    IntersectRect(&area, &area, &update);
    return area;
}
} // namespace

TControl* TWinControl::GraphicChildAt(int x, int y) const
{
    POINT point{x, y};
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* child = *it;
        if (dynamic_cast<TWinControl*>(child) || !child->Visible())
            continue;
        RECT r = ScaledRect(*child);
        if (PtInRect(&r, point))
            return child;
    }
    return nullptr;
}

void TWinControl::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    RECT client;
    GetClientRect(handle_, &client);
    // Where windowless children are, the window is drawn off screen first, so
    // that dots and captions never flicker; elsewhere it goes straight to the
    // screen, which spares a bitmap the size of the window.
    RECT area = WindowlessArea(*this, ps.rcPaint);
    int saved = SaveDC(dc);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    PaintWindow(dc, client);
    RestoreDC(dc, saved);
    if (!IsRectEmpty(&area)) {
        int width = area.right - area.left;
        int height = area.bottom - area.top;
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
        PaintWindow(memory, client);
        PaintGraphicChildren(memory);
        BitBlt(dc, area.left, area.top, width, height, memory, area.left, area.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EndPaint(handle_, &ps);
}

void TWinControl::PaintWindow(HDC dc, const RECT& client)
{
    HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

void TWinControl::PaintGraphicChildren(HDC dc)
{
    for (TControl* control : controls_) {
        auto* child = dynamic_cast<TGraphicControl*>(control);
        if (!child || !child->Visible())
            continue;
        RECT r = ScaledRect(*child);
        int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        child->PaintTo(dc);
        RestoreDC(dc, saved);
    }
}

} // namespace fw
