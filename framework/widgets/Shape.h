// A geometric figure drawn with a pen and a brush.
#pragma once

#include "framework/window/GraphicControl.h"

namespace fw {

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
using enum TShapeType;

class TShape : public TGraphicControl {
    FW_CLASS(TShape, TGraphicControl)
public:
    explicit TShape(TComponent* owner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType shape);
    TPen& Pen() { return pen_; }
    void SetPen(const TPen& pen) { pen_.Assign(pen); }
    TBrush& Brush() { return brush_; }
    void SetBrush(const TBrush& brush) { brush_.Assign(brush); }

protected:
    void Paint(TCanvas& canvas) override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};

} // namespace fw
