// A straight line drawn with a pen: between two given points, or by a fixed
// rule through the middle, along an edge or along a diagonal of the control.
#pragma once

#include "framework/window/GraphicControl.h"

#include <cstdint>

enum class TLineType : std::uint8_t {
    ltCustom,
    ltHorizontal,
    ltVertical,
    ltTop,
    ltBottom,
    ltLeft,
    ltRight,
    ltUpDiagonal,
    ltDownDiagonal
};
using enum TLineType;

class TLine : public fw::TGraphicControl {
    FW_CLASS(TLine, fw::TGraphicControl)
public:
    explicit TLine(fw::TComponent* owner);

    TLineType Line() const { return line_; }
    void SetLine(TLineType line);
    fw::TPen& Pen() { return pen_; }
    void SetPen(const fw::TPen& pen) { pen_.Assign(pen); }
    fw::TBrush& Brush() { return brush_; }
    void SetBrush(const fw::TBrush& brush) { brush_.Assign(brush); }

    // The end points, in the control's own pixels. They can be set only while
    // Line is ltCustom; any other kind writes them itself at each paint.
    int FromX() const { return fromX_; }
    int FromY() const { return fromY_; }
    int ToX() const { return toX_; }
    int ToY() const { return toY_; }
    void SetFromX(int value) { SetCoordinate(fromX_, value); }
    void SetFromY(int value) { SetCoordinate(fromY_, value); }
    void SetToX(int value) { SetCoordinate(toX_, value); }
    void SetToY(int value) { SetCoordinate(toY_, value); }

    // The change notification of Pen and Brush: repaints the line.
    void StyleChanged() { Invalidate(); }

protected:
    void Paint(fw::TCanvas& canvas) override;

private:
    void SetCoordinate(int& coordinate, int value);
    void ResizeFromStrip(TLineType next);
    void FitCustomPoints(int right, int bottom);
    void PlaceByRule(int right, int bottom);

    TLineType line_ = ltCustom;
    fw::TPen pen_;
    fw::TBrush brush_;
    int fromX_ = 0;
    int fromY_ = 0;
    int toX_ = 35;
    int toY_ = 35;
};
