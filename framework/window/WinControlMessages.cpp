// The window procedure every control shares: notifications handed back to the
// child they concern, keys, characters and presses turned into the control's
// events, exceptions from handlers caught and shown.
#include "framework/window/WinControl.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Text.h"

namespace fw {

TShiftState CurrentShiftState() {
    struct KeyFlag {
        int key;
        TShiftState flag;
    };
    static constexpr KeyFlag kKeys[] = {
        {VK_SHIFT, ssShift},  {VK_MENU, ssAlt},      {VK_CONTROL, ssCtrl},
        {VK_LBUTTON, ssLeft}, {VK_RBUTTON, ssRight}, {VK_MBUTTON, ssMiddle},
    };
    TShiftState state = 0;
    for (const KeyFlag& k : kKeys)
        if (GetKeyState(k.key) < 0)
            state |= k.flag;
    return state;
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TWinControl* self;
    if (message == WM_NCCREATE) {
        self = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(self));
        self->handle_ = hwnd;
    } else {
        self = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->Unbind();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // Left in another subclasser's chain after our object went.
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC classProc = self->classProc_;
        self->Unbind();
        return CallWindowProcW(classProc, hwnd, message, wParam, lParam);
    }
    return self->Dispatch(message, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return WndProc(message, wParam, lParam);
    } catch (...) {
        ReportHandlerException(std::current_exception());
        return 0;
    }
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    if (subclassed_)
        return CallWindowProcW(classProc_, handle_, message, wParam, lParam);
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (ReflectToChild(message, wParam, lParam, result))
            return result;
        break;
    case WM_SETFOCUS:
        result = DefaultHandler(message, wParam, lParam);
        if (TWinControl* root = Root())
            root->ControlFocused(this);
        FocusEntered();
        return result;
    case WM_KILLFOCUS:
        result = DefaultHandler(message, wParam, lParam);
        FocusLeft();
        return result;
    case WM_KEYDOWN:
        if (HandleKeyDown(wParam, lParam))
            return 0;
        break;
    case WM_KEYUP: {
        auto key = std::uint16_t(wParam);
        KeyUp(key, CurrentShiftState());
        if (key == 0)
            return 0;
        wParam = key;
        break;
    }
    case WM_CHAR:
        if (HandleChar(wParam))
            return 0;
        break;
    case WM_SYSCHAR:
        // Alt+letter presses the control with that access key before the
        // menu bar looks for it.
        if (PressAccessKey(wParam))
            return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (HandleMouseDown(message, wParam, lParam))
            return 0;
        break;
    case WM_GETOBJECT:
        if (OnAccessibleInfo && LONG(lParam) == LONG(OBJID_CLIENT))
            if (LRESULT answer = AnswerGetObject(handle_, wParam))
                return answer;
        break;
    case kDescribeAccessible:
        if (!OnAccessibleInfo)
            return 0;
        OnAccessibleInfo(*reinterpret_cast<TAccessibleInfo*>(lParam));
        return 1;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            AlignControls();
        break;
    case WM_ERASEBKGND:
        // The window's own background is painted with the rest, in WM_PAINT,
        // so that nothing flickers. A DC of some other window is a themed
        // child asking for what lies behind it, and may not ask again with
        // WM_PRINTCLIENT once told "erased": it gets the picture now.
        if (!subclassed_) {
            if (WindowFromDC(HDC(wParam)) != handle_)
                PrintClient(HDC(wParam));
            return 1;
        }
        break;
    case WM_PAINT:
        if (!subclassed_) {
            Paint();
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        if (!subclassed_) {
            PrintClient(HDC(wParam));
            return 0;
        }
        break;
    case WM_PRINT:
        return Print(HDC(wParam), lParam);
    }
    return DefaultHandler(message, wParam, lParam);
}

bool TWinControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND from = message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : HWND(lParam);
    if (!from)
        return false;
    for (TControl* control : controls_) {
        auto* child = As<TWinControl>(control);
        if (!child || (child->handle_ != from && !child->OwnsWindow(from)))
            continue;
        switch (message) {
        case WM_COMMAND:
            return child->HandleItemCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_NOTIFY:
            return child->HandleNotify(*reinterpret_cast<NMHDR*>(lParam), result);
        default:
            if (HBRUSH brush = child->CtlColor(HDC(wParam))) {
                result = LRESULT(brush);
                return true;
            }
            return false;
        }
    }
    return false;
}

bool TWinControl::HandleKeyDown(WPARAM& wParam, LPARAM) {
    auto key = std::uint16_t(wParam);
    TShiftState shift = CurrentShiftState();
    KeyDown(key, shift);
    if (key == 0)
        return true;
    if (key == VK_TAB && (shift & ssCtrl)) {
        for (TWinControl* control = this; control; control = control->Parent())
            if (control->SelectNextPage((shift & ssShift) == 0))
                return true;
    }
    if (key == VK_TAB && !WantsTab()) {
        RootOrSelf().SelectNext(this, (shift & ssShift) == 0);
        return true;
    }
    wParam = key;
    return false;
}

bool TWinControl::HandleChar(WPARAM& wParam) {
    auto wide = wchar_t(wParam);
    char original = FromWide(std::wstring_view(&wide, 1))[0];
    char key = original;
    KeyPress(key);
    if (key == 0 || (key == '\t' && !WantsTab()))
        return true;
    if (!WantsCharacters() && static_cast<unsigned char>(key) > ' ' && PressAccessKey(wParam))
        return true;
    if (key != original)
        wParam = WPARAM(ToWide(std::string(1, key))[0]);
    return false;
}

bool TWinControl::PressAccessKey(WPARAM character) {
    TWinControl& root = RootOrSelf();
    return root.Showing() && root.DialogChar(FromWide(std::wstring(1, wchar_t(character)))[0]);
}

bool TWinControl::HandleMouseDown(UINT message, WPARAM, LPARAM lParam) {
    TMouseButton button = message == WM_LBUTTONDOWN   ? mbLeft
                          : message == WM_RBUTTONDOWN ? mbRight
                                                      : mbMiddle;
    int x = short(LOWORD(lParam));
    int y = short(HIWORD(lParam));
    TShiftState shift = CurrentShiftState();
    if (TControl* child = GraphicChildAt(x, y)) {
        RECT r = child->BoundsOnScreen();
        child->MouseDown(button, shift, FromScreen(x - r.left), FromScreen(y - r.top));
        return !subclassed_;
    }
    MouseDown(button, shift, FromScreen(x), FromScreen(y));
    return false;
}

} // namespace fw
