#include "framework/widgets/GroupBox.h"

#include "framework/core/Text.h"
#include "framework/graphics/GdiHandle.h"

namespace fw {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void TGroupBox::PaintWindow(HDC dc, const RECT& client) {
    TWinControl::PaintWindow(dc, client);
    ScopedSelect font(dc, Font().Handle(PixelsPerInch()));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    // The frame runs through the middle of the caption's line.
    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    std::wstring caption = ToWide(Text());
    if (!caption.empty()) {
        RECT text{8, 0, client.right - 8, metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_CALCRECT);
        FillRect(dc, &text, BackgroundBrush());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE);
    }
}

} // namespace fw
