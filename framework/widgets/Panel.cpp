#include "framework/widgets/Panel.h"

#include "framework/core/Text.h"

namespace fw {

namespace {
// One pixel of bevel; returns the rectangle inside it.
void DrawBevel(HDC dc, RECT& rect, TBevelCut bevel) {
    if (bevel == bvNone)
        return;
    UINT edge = bevel == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
    DrawEdge(dc, &rect, edge, BF_RECT | BF_ADJUST);
}
} // namespace

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelInner(TBevelCut bevel) {
    if (bevel == bevelInner_)
        return;
    bevelInner_ = bevel;
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == bevelOuter_)
        return;
    bevelOuter_ = bevel;
    Invalidate();
}

void TPanel::PaintWindow(HDC dc, const RECT& client) {
    TWinControl::PaintWindow(dc, client);
    RECT r = client;
    DrawBevel(dc, r, bevelOuter_);
    DrawBevel(dc, r, bevelInner_);
    std::string caption = Text();
    if (!caption.empty()) {
        HGDIOBJ old = SelectObject(dc, Font().Handle(PixelsPerInch()));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        std::wstring text = ToWide(caption);
        DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }
    if (ShowsFocusCue()) {
        InflateRect(&r, -2, -2);
        DrawFocusRect(dc, &r);
    }
}

bool TPanel::ShowsFocusCue() {
    // Windows hides focus cues until the keyboard is used, where the user
    // chose so; the panel follows that as buttons do.
    return Focused() && !(SendMessageW(RawHandle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

void TPanel::FocusEntered() {
    Invalidate();
    TWinControl::FocusEntered();
}

void TPanel::FocusLeft() {
    Invalidate();
    TWinControl::FocusLeft();
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (TabStop() && !Focused() && CanFocus())
            SetFocus();
        break;
    case WM_UPDATEUISTATE:
        Invalidate();
        break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

} // namespace fw
