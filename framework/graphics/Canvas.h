// A drawing surface over a device context that the caller owns.
#pragma once

#include "framework/graphics/GraphicsObjects.h"

#include <string_view>

namespace fw {

class TCanvas {
public:
    explicit TCanvas(HDC dc);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    ~TCanvas();

    HDC Handle() const { return dc_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    void SetPen(const TPen& pen) { pen_.Assign(pen); }
    void SetBrush(const TBrush& brush) { brush_.Assign(brush); }

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
    TPen pen_;
    TBrush brush_;
    TFont font_;
};

} // namespace fw
