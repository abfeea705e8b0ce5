#include "framework/graphics/Canvas.h"

#include "framework/core/Text.h"

namespace fw {

TCanvas::TCanvas(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}

TCanvas::~TCanvas() {
    RestoreDC(dc_, saved_);
}

void TCanvas::UseFont(TFont& font, int dpi) {
    font_ = &font;
    fontDpi_ = dpi;
    textColor_ = font.Color();
}

void TCanvas::Select() {
    SelectObject(dc_, pen_ ? HGDIOBJ(pen_->Handle()) : GetStockObject(BLACK_PEN));
    SelectObject(dc_, brush_ ? HGDIOBJ(brush_->Handle()) : GetStockObject(WHITE_BRUSH));
    SelectObject(dc_, font_ ? HGDIOBJ(font_->Handle(fontDpi_)) : GetStockObject(SYSTEM_FONT));
}

void TCanvas::MoveTo(int x, int y) {
    MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    Select();
    ::LineTo(dc_, x, y);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    Select();
    ::Ellipse(dc_, left, top, right, bottom);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    Select();
    ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
    Select();
    ::RoundRect(dc_, left, top, right, bottom, cornerWidth, cornerHeight);
}

void TCanvas::FillRect(const RECT& rect) {
    ::FillRect(dc_, &rect, brush_ ? brush_->Handle() : HBRUSH(GetStockObject(WHITE_BRUSH)));
}

void TCanvas::TextRect(const RECT& rect, std::string_view text, UINT format) {
    Select();
    SetBkMode(dc_, TRANSPARENT);
    ::SetTextColor(dc_, ColorToRGB(textColor_));
    RECT r = rect;
    std::wstring wide = ToWide(text);
    DrawTextW(dc_, wide.c_str(), int(wide.size()), &r, format);
}

} // namespace fw
