#include "framework/widgets/CustomEdit.h"

#include "framework/graphics/GdiHandle.h"

namespace fw {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = L"EDIT";
    params.style &= ~DWORD(WS_CLIPCHILDREN);
    params.style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (TabStop())
        params.style |= WS_TABSTOP;
    if (readOnly_)
        params.style |= ES_READONLY;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::HandleCreated() {
    TWinControl::HandleCreated();
    SendMessageW(RawHandle(), EM_SETLIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SaveWindowState() {
    StoredText() = Text();
}

void TCustomEdit::StoreText(const std::string& text) {
    settingText_ = true;
    TWinControl::StoreText(text);
    settingText_ = false;
}

void TCustomEdit::SetMaxLength(int length) {
    if (length == maxLength_)
        return;
    maxLength_ = length;
    if (RawHandle())
        SendMessageW(RawHandle(), EM_SETLIMITTEXT, WPARAM(length), 0);
}

void TCustomEdit::SetAutoSize(bool value) {
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustHeight();
}

void TCustomEdit::FontChanged() {
    TWinControl::FontChanged();
    AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
    if (!autoSize_)
        return;
    WindowDc screen(nullptr);
    ScopedSelect font(screen.get(), Font().Handle(PixelsPerInch()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    // The sunken border takes two pixels on each side, and the text a pixel
    // of room above and below.
    RECT bounds = BoundsOnScreen();
    SetSizeOnScreen(bounds.right - bounds.left, metrics.tmHeight + 8);
}

void TCustomEdit::SetReadOnly(bool value) {
    if (value == readOnly_)
        return;
    readOnly_ = value;
    if (RawHandle())
        SendMessageW(RawHandle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SelectAll() {
    if (RawHandle())
        SendMessageW(RawHandle(), EM_SETSEL, 0, -1);
}

int TCustomEdit::SelStart() const {
    DWORD start = 0;
    if (RawHandle())
        SendMessageW(RawHandle(), EM_GETSEL, WPARAM(&start), 0);
    return int(start);
}

int TCustomEdit::SelLength() const {
    DWORD start = 0, end = 0;
    if (RawHandle())
        SendMessageW(RawHandle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return int(end - start);
}

void TCustomEdit::SetSelection(int start, int length) {
    if (RawHandle())
        SendMessageW(RawHandle(), EM_SETSEL, WPARAM(start), LPARAM(start + length));
}

bool TCustomEdit::HandleCommand(WORD code) {
    if (code != EN_CHANGE)
        return false;
    if (!settingText_)
        Change();
    return true;
}

void TCustomEdit::Change() {
    if (OnChange)
        OnChange(this);
}

HBRUSH TCustomEdit::CtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    return BackgroundBrush();
}

} // namespace fw
