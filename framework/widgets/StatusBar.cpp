#include "framework/widgets/StatusBar.h"

#include "framework/core/Text.h"

#include <commctrl.h>

namespace fw {

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = STATUSCLASSNAMEW;
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (sizeGrip_)
        params.style |= SBARS_SIZEGRIP;
}

void TStatusBar::HandleCreated() {
    TWinControl::HandleCreated();
    // A single part whose right edge is -1 reaches the end of the bar.
    int rightEdge = -1;
    SendMessageW(RawHandle(), SB_SETPARTS, 1, LPARAM(&rightEdge));
    PushText();
}

void TStatusBar::SetSimpleText(const std::string& text) {
    if (text == simpleText_)
        return;
    simpleText_ = text;
    PushText();
}

void TStatusBar::PushText() {
    if (RawHandle())
        SendMessageW(RawHandle(), SB_SETTEXTW, 0, LPARAM(ToWide(simpleText_).c_str()));
}

void TStatusBar::SetSizeGrip(bool value) {
    if (value == sizeGrip_)
        return;
    sizeGrip_ = value;
    RecreateWnd();
}

} // namespace fw
