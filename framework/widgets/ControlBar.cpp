#include "framework/widgets/ControlBar.h"

namespace fw {

namespace {
// The band's grabber and the gap after it, before the band's control.
constexpr int kGrabberWidth = 11;
} // namespace

TControlBar::TControlBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 100, 50);
}

void TControlBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = REBARCLASSNAMEW;
    // The framework places and sizes the bar; the bands keep their own heights.
    params.style |= CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | RBS_VARHEIGHT;
}

void TControlBar::CreateHandle() {
    bool existed = HandleAllocated();
    TWinControl::CreateHandle();
    if (existed)
        return;
    // The children's windows exist only now; each becomes a band.
    for (TControl* child : Controls())
        if (auto* windowed = As<TWinControl>(child))
            AddBand(*windowed);
    AdjustHeight();
}

REBARBANDINFOW TControlBar::BandSizes(TWinControl& child) const {
    REBARBANDINFOW band{};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_HEADERSIZE;
    band.cyMinChild = UINT(ToScreen(child.Height()));
    band.cxHeader = UINT(ToScreen(kGrabberWidth));
    band.cx = UINT(ToScreen(kGrabberWidth + child.Width()));
    return band;
}

void TControlBar::AddBand(TWinControl& child) {
    REBARBANDINFOW band = BandSizes(child);
    band.fMask |= RBBIM_STYLE | RBBIM_CHILD;
    band.fStyle = RBBS_GRIPPERALWAYS | RBBS_CHILDEDGE;
    band.hwndChild = child.Handle();
    SendMessageW(RawHandle(), RB_INSERTBANDW, WPARAM(-1), LPARAM(&band));
}

void TControlBar::ScaleChanged() {
    TWinControl::ScaleChanged();
    if (!RawHandle())
        return;
    int index = 0;
    for (TControl* child : Controls())
        if (auto* windowed = As<TWinControl>(child); windowed && index < BandCount()) {
            REBARBANDINFOW band = BandSizes(*windowed);
            SendMessageW(RawHandle(), RB_SETBANDINFOW, WPARAM(index++), LPARAM(&band));
        }
    AdjustHeight();
}

int TControlBar::BandCount() const {
    return RawHandle() ? int(SendMessageW(RawHandle(), RB_GETBANDCOUNT, 0, 0)) : 0;
}

void TControlBar::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustHeight();
}

void TControlBar::AdjustHeight() {
    if (!autoSize_ || !RawHandle())
        return;
    int height = int(SendMessageW(RawHandle(), RB_GETBARHEIGHT, 0, 0));
    if (height > 0)
        SetSizeOnScreen(BoundsOnScreen().right - BoundsOnScreen().left, height);
}

bool TControlBar::HandleNotify(NMHDR& header, LRESULT& result) {
    if (header.code != RBN_HEIGHTCHANGE)
        return false;
    AdjustHeight();
    result = 0;
    return true;
}

} // namespace fw
