// A form's frame: border style and icons, window styles, client size.
#include "framework/window/Form.h"

#include "framework/core/Dpi.h"
#include "framework/window/FormMenu.h"

#include <algorithm>

namespace fw {

namespace {
DWORD FrameStyle(TFormBorderStyle style) {
    switch (style) {
    case bsNone:
        return WS_POPUP;
    case bsSingle:
        return WS_OVERLAPPED | WS_CAPTION | WS_BORDER;
    case bsDialog:
        return WS_POPUP | WS_CAPTION | DS_MODALFRAME;
    default:
        return WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;
    }
}
} // namespace

void TForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_)
        return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    FitFrameToClient();
    RecreateWnd();
}

HWND TForm::DialogOwner() const {
    TApplicationForm* main = Application()->MainForm();
    return main && main != this ? main->OwnerWindow() : nullptr;
}

void TForm::CreateParams(TCreateParams& params) {
    params.style = FrameStyle(borderStyle_) | WS_CLIPCHILDREN;
    bool dialog = borderStyle_ == bsDialog;
    bool caption = borderStyle_ != bsNone;
    if (caption && (borderIcons_ & biSystemMenu)) {
        params.style |= WS_SYSMENU;
        if ((borderIcons_ & biMinimize) && !dialog)
            params.style |= WS_MINIMIZEBOX;
        if ((borderIcons_ & biMaximize) && !dialog)
            params.style |= WS_MAXIMIZEBOX;
    }
    // A dialog belongs to the main window: it stays above it and has no
    // button of its own on the task bar.
    if (dialog) {
        params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        params.owner = DialogOwner();
    } else {
        params.exStyle = WS_EX_APPWINDOW;
    }
    // Windows draws the help button only on a frame without the other two.
    bool minOrMax = !dialog && (borderIcons_ & (biMinimize | biMaximize));
    if ((borderIcons_ & biHelp) && (borderIcons_ & biSystemMenu) && !minOrMax)
        params.exStyle |= WS_EX_CONTEXTHELP;
    // Given at creation, the menu bar costs no second layout of the frame.
    params.menu = menu_ ? menu_->MenuHandle() : nullptr;
}

int TForm::ClientWidth() const {
    RECT client;
    if (RawHandle() && GetClientRect(RawHandle(), &client))
        return FromScreen(client.right);
    return clientWidth_ >= 0 ? clientWidth_ : Width();
}

int TForm::ClientHeight() const {
    RECT client;
    if (RawHandle() && GetClientRect(RawHandle(), &client))
        return FromScreen(client.bottom);
    return clientHeight_ >= 0 ? clientHeight_ : Height();
}

void TForm::SetClientWidth(int width) {
    clientWidth_ = width;
    FitFrameToClient();
}

void TForm::SetClientHeight(int height) {
    clientHeight_ = height;
    FitFrameToClient();
}

void TForm::FitFrameToClient() {
    if (clientWidth_ < 0 && clientHeight_ < 0)
        return;
    TCreateParams params;
    CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectForDpi(frame, params.style, params.menu != nullptr, params.exStyle, dpi_);
    // The frame is in screen pixels; the form's size in pixels at 96 dpi.
    int frameWidth = FromScreen(frame.right - frame.left);
    int frameHeight = FromScreen(frame.bottom - frame.top);
    int width = clientWidth_ >= 0 ? clientWidth_ + frameWidth : Width();
    int height = clientHeight_ >= 0 ? clientHeight_ + frameHeight : Height();
    SetBounds(Left(), Top(), width, height);
}

SIZE TForm::OuterSize(int dpi) {
    SIZE size{ScaleTo(Width(), dpi), ScaleTo(Height(), dpi)};
    if (clientWidth_ < 0 && clientHeight_ < 0)
        return size;
    TCreateParams params;
    CreateParams(params);
    RECT frame{0, 0, ScaleTo(std::max(clientWidth_, 0), dpi),
               ScaleTo(std::max(clientHeight_, 0), dpi)};
    AdjustWindowRectForDpi(frame, params.style, params.menu != nullptr, params.exStyle, dpi);
    if (clientWidth_ >= 0)
        size.cx = frame.right - frame.left;
    if (clientHeight_ >= 0)
        size.cy = frame.bottom - frame.top;
    return size;
}

} // namespace fw
