#include "framework/window/Form.h"

#include "framework/core/Application.h"
#include "framework/core/Dpi.h"
#include "framework/core/Exceptions.h"
#include "framework/window/FormMenu.h"

#include <utility>

namespace fw {

namespace {
// Posted to the form: the control that held the focus was disabled or hidden.
constexpr UINT kHandFocusMessage = WM_APP + 0x101;
// WM_GETDPISCALEDSIZE, from Windows 10 (1703): the size at a resolution to come.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// WM_SYSCOLORCHANGE reaches top-level windows only: the common controls
// among the children (tool bar, tabs, status bar) are told here, and the
// whole window is drawn again in the new colours.
void RepaintInSystemColors(HWND window) {
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool IsWithin(const TControl* control, const TControl* container) {
    for (; control; control = control->Parent())
        if (control == container)
            return true;
    return false;
}
} // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner), dpi_(ScreenDpi()) {
    SetVisible(false);
}

void TForm::BeforeDestruction() {
    // A fault in the handler is shown, and the form still goes.
    if (OnDestroy)
        RunGuarded([this] { OnDestroy(this); });
    DestroyHandle();
    SetMenu(nullptr);
    DestroyComponents();
    if (TApplication* application = Application())
        application->FormDestroyed(this);
}

void TForm::DoCreate() {
    if (OnCreate)
        OnCreate(this);
}

void TForm::SetMenu(TFormMenu* menu) {
    if (menu == menu_)
        return;
    if (menu_)
        menu_->form_ = nullptr;
    if (menu && menu->form_)
        menu->form_->SetMenu(nullptr); // a menu bar belongs to one form
    menu_ = menu;
    if (menu_)
        menu_->form_ = this;
    if (RawHandle())
        ::SetMenu(RawHandle(), menu_ ? menu_->MenuHandle() : nullptr);
}

void TForm::HandleCreated() {
    TWinControl::HandleCreated();
    // The window was made at the form's size scaled, before it could answer
    // WM_GETMINMAXINFO (a window larger than the screen is cut to it): it
    // takes its exact size now.
    RECT made;
    GetWindowRect(RawHandle(), &made);
    SIZE size = OuterSize(dpi_);
    if (made.right - made.left != size.cx || made.bottom - made.top != size.cy)
        BoundsChanged();
    SetIcons();
    // Made on a monitor whose resolution is not the system's.
    if (int dpi = WindowDpi(RawHandle()); dpi != dpi_)
        ChangeDpi(dpi, nullptr);
}

void TForm::SetIcons() {
    // A dialog frame shows no icon.
    if (borderStyle_ == bsDialog)
        return;
    int dpi = PictureDpi(dpi_);
    if (HICON big = Application()->Icon(ScaleTo(32, dpi)))
        SendMessageW(RawHandle(), WM_SETICON, ICON_BIG, LPARAM(big));
    if (HICON small = Application()->Icon(ScaleTo(16, dpi)))
        SendMessageW(RawHandle(), WM_SETICON, ICON_SMALL, LPARAM(small));
}

void TForm::ChangeDpi(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    // Every control drops its measures of the old resolution before the
    // window is moved: an alignment would take them for measures of the new.
    ScaleChanged();
    FitFrameToClient();
    // The place Windows suggests; the size is the form's own at that
    // resolution, which Windows asked for first (WM_GETDPISCALEDSIZE).
    if (suggested)
        SetBounds(suggested->left, suggested->top, Width(), Height());
    SetIcons();
    if (RawHandle())
        RedrawWindow(RawHandle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm::DestroyHandle() {
    // The window would destroy its menu with it; the menu component owns it.
    if (RawHandle() && menu_)
        ::SetMenu(RawHandle(), nullptr);
    TWinControl::DestroyHandle();
}

void TForm::BoundsChanged() {
    if (!RawHandle())
        return;
    SIZE size = OuterSize(dpi_);
    MoveWindow(RawHandle(), Left(), Top(), size.cx, size.cy, TRUE);
}

bool TForm::Showing() const {
    return Visible() && RawHandle() && IsWindowVisible(RawHandle());
}

void TForm::VisibleChanged() {
    if (!Visible()) {
        if (RawHandle())
            ShowWindow(RawHandle(), SW_HIDE);
        return;
    }
    // Placed before its window exists, the form is created where it shows.
    if (!shownOnce_ && position_ == poScreenCenter)
        CenterOnScreen();
    shownOnce_ = true;
    HandleNeeded();
    if (OnShow)
        OnShow(this);
    ShowWindow(RawHandle(), SW_SHOW);
}

void TForm::UpdateShowing() {
    // Pages shown with the form may ask for the focus; it is given once
    // everything is on screen.
    showingChildren_ = true;
    TWinControl::UpdateShowing();
    showingChildren_ = false;
    if (Showing())
        ApplyFocus();
}

void TForm::CenterOnScreen() {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SIZE size = OuterSize(dpi_);
    int width = size.cx;
    int height = size.cy;
    int left = work.left + (work.right - work.left - width) / 2;
    int top = work.top + (work.bottom - work.top - height) / 2;
    SetBounds(left, top, Width(), Height());
}

void TForm::FocusRequested(TWinControl* control) {
    activeControl_ = control;
    if (!showingChildren_ && Showing() && control->CanFocus())
        ::SetFocus(control->Handle());
}

void TForm::FocusLeaving(TWinControl* control) {
    // Handed on once the handler that disabled or hid it has run, so that
    // what it enables in the same breath can take the focus.
    if (!focusLeaver_ && RawHandle())
        PostMessageW(RawHandle(), kHandFocusMessage, 0, 0);
    focusLeaver_ = control;
}

void TForm::HandFocusOn() {
    TWinControl* leaver = std::exchange(focusLeaver_, nullptr);
    if (!leaver || !Showing())
        return;
    // Lost: nowhere, on the form itself, or on a container of the control.
    HWND focus = GetFocus();
    bool lost = !focus || focus == RawHandle() ||
                (leaver->HandleAllocated() && IsChild(focus, leaver->Handle()));
    if (!lost)
        return; // the handler put the focus somewhere itself
    // As in a dialog box: the next stop of the innermost group that has one,
    // so that a pair of buttons hands the focus back and forth.
    TWinControl* next = leaver->CanFocus() ? leaver : nullptr;
    for (TWinControl* scope = leaver->Parent(); !next && scope; scope = scope->Parent())
        next = scope->FindNextControl(leaver, true);
    if (!next)
        return;
    activeControl_ = next;
    if (GetActiveWindow() == RawHandle())
        ::SetFocus(next->Handle());
}

void TForm::ControlRemoving(TControl* control) {
    if (IsWithin(activeControl_, control))
        activeControl_ = nullptr;
    if (IsWithin(focusLeaver_, control))
        focusLeaver_ = nullptr;
}

void TForm::ApplyFocus() {
    if (activeControl_ && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return;
    }
    if (TWinControl* first = FindNextControl(nullptr, true))
        ::SetFocus(first->Handle());
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (modal_) {
        // ShowModal hides the form; whoever showed it frees it.
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        return;
    }
    if (Application()->MainForm() == this) {
        Application()->Terminate();
        return;
    }
    switch (action) {
    case caMinimize:
        ShowWindow(RawHandle(), SW_MINIMIZE);
        break;
    case caFree:
        Hide();
        Application()->Release(this);
        break;
    default:
        Hide();
    }
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SYSCOLORCHANGE:
        RepaintInSystemColors(RawHandle());
        break;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case kGetDpiScaledSize:
        *reinterpret_cast<SIZE*>(lParam) = OuterSize(int(wParam));
        return TRUE;
    case WM_GETMINMAXINFO: {
        LRESULT result = DefaultHandler(message, wParam, lParam);
        GetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        return result;
    }
    case WM_COMMAND:
        if (lParam == 0 && HIWORD(wParam) == 0 && menu_ && menu_->DispatchCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            // Coming back to the window puts the focus back where it was, or
            // on the first tab stop when that control is gone.
            DefaultHandler(message, wParam, lParam);
            if (!showingChildren_ && Showing())
                ApplyFocus();
            return 0;
        }
        break;
    default:
        if (message == kHandFocusMessage) {
            HandFocusOn();
            return 0;
        }
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

} // namespace fw
