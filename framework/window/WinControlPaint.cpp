// Windowless children are drawn and hit-tested by their parent window.
#include "framework/window/WinControl.h"

#include "framework/graphics/GdiHandle.h"
#include "framework/window/GraphicControl.h"

namespace fw {

namespace {
// A windowless child is one its parent draws: a graphic control. Tool
// buttons have no window either, but their tool bar draws them itself.
TGraphicControl* AsWindowless(TControl* child) {
    auto* graphic = As<TGraphicControl>(child);
    return graphic && graphic->Visible() ? graphic : nullptr;
}

// BeginPaint and EndPaint as a pair, whatever a painter throws.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &ps_); }
    HDC Dc() const { return dc_; }
    const RECT& Update() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() { DeleteDC(dc_); }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// The part of the update rectangle where windowless children are drawn.
RECT WindowlessArea(const TWinControl& parent, const RECT& update) {
    RECT area{};
    for (TControl* child : parent.Controls()) {
        if (!AsWindowless(child))
            continue;
        RECT r = child->BoundsOnScreen();
        UnionRect(&area, &area, &r);
    }
    IntersectRect(&area, &area, &update);
    return area;
}
} // namespace

TControl* TWinControl::GraphicChildAt(int x, int y) const {
    POINT point{x, y};
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TGraphicControl* child = AsWindowless(*it);
        if (!child)
            continue;
        RECT r = child->BoundsOnScreen();
        if (PtInRect(&r, point))
            return child;
    }
    return nullptr;
}

void TWinControl::Paint() {
    PaintScope paint(handle_);
    HDC dc = paint.Dc();
    RECT client;
    GetClientRect(handle_, &client);
    // Where windowless children are, the window is drawn off screen first, so
    // that dots and captions never flicker; elsewhere it goes straight to the
    // screen, which spares a bitmap the size of the window.
    RECT area = WindowlessArea(*this, paint.Update());
    {
        SavedDc saved(dc);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
        PaintWindow(dc, client);
    }
    if (IsRectEmpty(&area))
        return;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    MemoryDc memory(dc);
    GdiHandle<HBITMAP> bitmap(CreateCompatibleBitmap(dc, width, height));
    ScopedSelect selected(memory.get(), bitmap.get());
    SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
    PaintClient(memory.get(), client);
    BitBlt(dc, area.left, area.top, width, height, memory.get(), area.left, area.top, SRCCOPY);
}

// WM_PRINTCLIENT: the same picture as on screen, drawn straight into the DC,
// which is off screen already (a print, or a control's own background).
void TWinControl::PrintClient(HDC dc) {
    RECT client;
    GetClientRect(handle_, &client);
    SavedDc saved(dc);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    PaintClient(dc, client);
}

void TWinControl::PaintClient(HDC dc, const RECT& client) {
    PaintWindow(dc, client);
    PaintGraphicChildren(dc);
}

HBRUSH TWinControl::BackgroundBrush() {
    background_.SetColor(Color());
    return background_.Handle();
}

void TWinControl::PaintWindow(HDC dc, const RECT& client) {
    FillRect(dc, &client, BackgroundBrush());
}

void TWinControl::PaintGraphicChildren(HDC dc) {
    for (TControl* control : controls_) {
        TGraphicControl* child = AsWindowless(control);
        if (!child)
            continue;
        RECT r = child->BoundsOnScreen();
        SavedDc saved(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        child->PaintTo(dc);
    }
}

} // namespace fw
