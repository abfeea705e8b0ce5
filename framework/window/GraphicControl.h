// A control without a window: its parent paints it and routes mouse presses to it.
#pragma once

#include "framework/graphics/Canvas.h"
#include "framework/window/Control.h"

namespace fw {

class TGraphicControl : public TControl {
    FW_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* owner);

    void Invalidate() override;
    // Draws the control with the DC's origin at its top left corner.
    void PaintTo(HDC dc);

protected:
    // Size of the control on the screen, in device pixels.
    RECT ClientRectOnScreen() const;
    virtual void Paint(TCanvas& canvas) = 0;
    void VisibleChanged() override { Invalidate(); }
};

} // namespace fw
