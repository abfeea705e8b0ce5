// A drawing surface over a device context that the caller owns.
#pragma once

#include "framework/graphics/GraphicsObjects.h"

#include <string_view>

namespace fw {

// It draws with the pen, brush and font it is told to use, through their
// own GDI objects: a paint creates none. Until told, it draws with the
// stock black pen, white brush and system font.
class TCanvas {
public:
    explicit TCanvas(HDC dc);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    HDC Handle() const { return dc_; }
    // The objects must outlive the canvas (a control's own, during its paint).
    void UsePen(TPen& pen) { pen_ = &pen; }
    void UseBrush(TBrush& brush) { brush_ = &brush; }
    // The font is made for the resolution the canvas draws at.
    void UseFont(TFont& font, int dpi);
    // Text colour, which is not part of a GDI font: the font's own by default.
    void SetTextColor(TColor color) { textColor_ = color; }

    void MoveTo(int x, int y);
    // Like the platform's line primitive, the end point itself is not painted.
    void LineTo(int x, int y);
    void Ellipse(int left, int top, int right, int bottom);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void FillRect(const RECT& rect);
    void TextRect(const RECT& rect, std::string_view text, UINT format);

private:
    // Puts the current pen, brush and font into the DC.
    void Select();
    HDC dc_;
    int saved_;
    TPen* pen_ = nullptr;
    TBrush* brush_ = nullptr;
    TFont* font_ = nullptr;
    int fontDpi_ = 96;
    TColor textColor_ = clWindowText;
};

} // namespace fw
