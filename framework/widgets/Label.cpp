#include "framework/widgets/Label.h"

#include "framework/core/Text.h"

namespace fw {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustSize();
}

UINT TLabel::DrawFlags() const {
    UINT flags = DT_EXPANDTABS | DT_SINGLELINE;
    if (alignment_ == taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

void TLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustSize();
}

void TLabel::AdjustSize() {
    // A layout sets the parent, font, caption and AutoSize one by one: the
    // text is measured once, with all of them.
    if (!autoSize_ || Loading())
        return;
    // A memory DC measures as the screen does, and costs far less under Wine
    // than the screen's own DC.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, const_cast<TFont&>(Font()).Handle(PixelsPerInch()));
    std::wstring text = ToWide(Text());
    if (text.empty())
        text = L" ";
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &r, DrawFlags() | DT_CALCRECT);
    SelectObject(dc, old);
    DeleteDC(dc);
    SetSizeOnScreen(r.right, r.bottom);
}

void TLabel::Paint(TCanvas& canvas) {
    RECT r = ClientRectOnScreen();
    if (!Enabled())
        canvas.SetTextColor(clGrayText);
    canvas.TextRect(r, Text(), DrawFlags());
}

} // namespace fw
