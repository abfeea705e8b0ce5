// A bar of movable bands over the standard rebar: each windowed child (a
// tool bar) gets a band with a grabber.
#pragma once

#include "framework/window/WinControl.h"

#include <commctrl.h>

namespace fw {

class TControlBar : public TWinControl {
    FW_CLASS(TControlBar, TWinControl)
public:
    explicit TControlBar(TComponent* owner);

    // When on, the bar takes the height of its bands.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    int BandCount() const;

    bool HandleNotify(NMHDR& header, LRESULT& result) override;
    // The bands take their children's new sizes.
    void ScaleChanged() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandle() override;

private:
    void AddBand(TWinControl& child);
    // The band's sizes for its child, at the bar's resolution.
    REBARBANDINFOW BandSizes(TWinControl& child) const;
    void AdjustHeight();

    bool autoSize_ = false;
};

} // namespace fw
