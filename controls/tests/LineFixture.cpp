#include "LineFixture.h"

PaintSurface::PaintSurface() {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
}

PaintSurface::~PaintSurface() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void PaintSurface::Paint(TLine& line) {
    RECT all{0, 0, kSize, kSize};
    FillRect(dc_, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    line.PaintTo(dc_);
    GdiFlush();
}

void LineTest::ShowOnForm(int left, int top) {
    form = new fw::TForm(nullptr);
    form->SetBounds(40, 40, 400, 300);
    form->SetColor(fw::clWhite);
    line->SetParent(form);
    line->SetLeft(left);
    line->SetTop(top);
    form->Show();
    guitest::Pump();
}

COLORREF LineTest::WindowPixel(int x, int y) {
    HDC dc = GetDC(form->Handle());
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(form->Handle(), dc);
    return color;
}
