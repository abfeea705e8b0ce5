#include "framework/WinControl.h"

#include "framework/Dpi.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Text.h"

#include <commctrl.h>

#include <algorithm>

namespace fw {

namespace {
constexpr wchar_t kWindowClass[] = L"SixpointeWindow";

RECT ScaledRect(const TControl& control)
{
    int left = ScaleToScreen(control.Left());
    int top = ScaleToScreen(control.Top());
    return {left, top, left + ScaleToScreen(control.Width()), top + ScaleToScreen(control.Height())};
}

template <class T> void Erase(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// The part of the update rectangle where windowless children are drawn.
RECT WindowlessArea(const TWinControl& parent, const RECT& update)
{
    RECT area{};
    for (TControl* child : parent.Controls()) {
        if (!dynamic_cast<TGraphicControl*>(child) || !child->Visible())
            continue;
        RECT r = ScaledRect(*child);
        UnionRect(&area, &area, &r);
    }
    IntersectRect(&area, &area, &update);
    return area;
}
} // namespace

TShiftState CurrentShiftState()
{
    TShiftState state = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        state |= ssShift;
    if (GetKeyState(VK_MENU) < 0)
        state |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0)
        state |= ssCtrl;
    if (GetKeyState(VK_LBUTTON) < 0)
        state |= ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0)
        state |= ssRight;
    if (GetKeyState(VK_MBUTTON) < 0)
        state |= ssMiddle;
    return state;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    DestroyHandle();
    for (TControl* child : controls_)
        child->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

void TWinControl::BeforeDestruction() { DestroyHandle(); }

void TWinControl::RegisterWindowClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = StaticWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    registered = true;
}

HWND TWinControl::Handle()
{
    if (!handle_) {
        if (Parent())
            Parent()->Handle(); // creating the parent creates its children
        if (!handle_)
            CreateHandle();
    }
    return handle_;
}

HWND TWinControl::ParentHandle() { return Parent() ? Parent()->Handle() : nullptr; }

void TWinControl::CreateParams(TCreateParams& params)
{
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible())
        params.style |= WS_VISIBLE;
    if (!Enabled())
        params.style |= WS_DISABLED;
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    TCreateParams params;
    CreateParams(params);
    bool child = params.style & WS_CHILD;
    HWND parent = child ? ParentHandle() : nullptr;
    HMENU menu = child ? nullptr : params.menu;
    RECT r = ScaledRect(*this);
    // A top-level window's place is in screen pixels already, as when it moves.
    if (!child)
        OffsetRect(&r, Left() - r.left, Top() - r.top);
    std::wstring text = ToWide(StoredText());
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (params.className.empty()) {
        RegisterWindowClass();
        CreateWindowExW(params.exStyle, kWindowClass, text.c_str(), params.style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, parent, menu, instance, this);
    } else {
        HWND hwnd = CreateWindowExW(params.exStyle, params.className.c_str(), text.c_str(),
                                    params.style, r.left, r.top, r.right - r.left,
                                    r.bottom - r.top, parent, menu, instance, nullptr);
        if (hwnd) {
            // Subclassed by hand, as the framework alone subclasses its windows:
            // under Wine, SetWindowSubclass costs two wineserver round trips on
            // every message (its chain lives in a window property).
            handle_ = hwnd;
            subclassed_ = true;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(this));
            classProc_ = WNDPROC(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, LONG_PTR(SubclassProc)));
        }
    }
    if (!handle_)
        throw std::runtime_error("Cannot create the window of " + Name());
    HandleCreated();
    AlignControls();
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->Visible())
            windowed->CreateHandle();
}

void TWinControl::CreateWaitingHandles()
{
    if (!handle_)
        return;
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
            windowed->CreateHandle();
            windowed->CreateWaitingHandles();
        }
}

void TWinControl::HandleCreated()
{
    SendMessageW(handle_, WM_SETFONT, WPARAM(Font().Handle()), FALSE);
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    SaveWindowState();
    for (TControl* child : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(child))
            windowed->DestroyHandle();
    HWND hwnd = handle_;
    Unbind();
    DestroyWindow(hwnd);
}

void TWinControl::Unbind()
{
    if (!handle_)
        return;
    if (subclassed_)
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, LONG_PTR(classProc_));
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    subclassed_ = false;
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    bool hadFocus = Focused();
    DestroyHandle();
    if (!Parent() || Parent()->HandleAllocated())
        CreateHandle();
    if (hadFocus && handle_)
        ::SetFocus(handle_);
}

std::string TWinControl::Text() const
{
    if (!handle_)
        return TControl::Text();
    int length = GetWindowTextLengthW(handle_);
    std::wstring wide(size_t(length) + 1, L'\0');
    int copied = GetWindowTextW(handle_, wide.data(), length + 1);
    wide.resize(size_t(copied));
    return FromWide(wide);
}

void TWinControl::StoreText(const std::string& text)
{
    TControl::StoreText(text);
    if (handle_)
        SetWindowTextW(handle_, ToWide(text).c_str());
}

void TWinControl::BoundsChanged()
{
    if (handle_) {
        RECT r = ScaledRect(*this);
        MoveWindow(handle_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
}

void TWinControl::VisibleChanged()
{
    if (handle_)
        ShowWindow(handle_, Visible() ? SW_SHOW : SW_HIDE);
    else if (Visible() && Parent() && Parent()->HandleAllocated())
        CreateHandle();
}

void TWinControl::EnabledChanged()
{
    if (handle_)
        EnableWindow(handle_, Enabled());
}

void TWinControl::FontChanged()
{
    if (handle_) {
        SendMessageW(handle_, WM_SETFONT, WPARAM(Font().Handle()), TRUE);
        Invalidate();
    }
    for (TControl* child : controls_)
        child->AdoptParentLook();
}

void TWinControl::ColorChanged()
{
    Invalidate();
    for (TControl* child : controls_)
        child->AdoptParentLook();
}

void TWinControl::ParentChanged()
{
    if (Parent() && Parent()->HandleAllocated() && Visible())
        CreateHandle();
    else if (!Parent())
        DestroyHandle();
}

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::UpdateShowing()
{
    for (TControl* child : controls_)
        child->UpdateShowing();
}

void TWinControl::UpdateHints()
{
    for (TControl* child : controls_)
        child->UpdateHints();
}

void TWinControl::AlignControls()
{
    if (!handle_ || aligning_)
        return;
    aligning_ = true;
    RECT client;
    GetClientRect(handle_, &client);
    int width = ScaleFromScreen(client.right);
    int top = 0;
    int bottom = ScaleFromScreen(client.bottom);
    for (TControl* child : controls_) {
        if (!child->Visible() || child->Align() == alNone)
            continue;
        int height = child->Height();
        if (child->Align() == alTop) {
            child->SetBounds(0, top, width, height);
            top += height;
        } else {
            bottom -= height;
            child->SetBounds(0, bottom, width, height);
        }
    }
    aligning_ = false;
}

bool TWinControl::DialogChar(char key)
{
    for (TControl* child : controls_)
        if (child->Visible() && child->Enabled() && child->DialogChar(key))
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        tabList_.push_back(windowed);
    else
        control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control)
{
    // Runs from the control's destructor too, once its own class is gone:
    // it cannot be asked for its kind nor called virtually here.
    Erase(controls_, control);
    tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(),
                                  [control](TWinControl* child) { return child == control; }),
                   tabList_.end());
    if (handle_) {
        RECT r = ScaledRect(*control);
        InvalidateRect(handle_, &r, TRUE);
    }
}

int TWinControl::TabOrder() const
{
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    Erase(list, this);
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const
{
    if (!Showing())
        return false;
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (TForm* form = ParentForm(); form && form != this)
        form->FocusControl(this);
    else
        ::SetFocus(Handle());
}

void TWinControl::FocusEntered() { DoEnter(); }
void TWinControl::FocusLeft() { DoExit(); }

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
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

LRESULT CALLBACK TWinControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        WNDPROC classProc = self->classProc_;
        self->Unbind();
        return CallWindowProcW(classProc, hwnd, message, wParam, lParam);
    }
    return self->Dispatch(message, wParam, lParam);
}

LRESULT TWinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return WndProc(message, wParam, lParam);
    } catch (...) {
        ReportHandlerException(std::current_exception());
        return 0;
    }
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (subclassed_)
        return CallWindowProcW(classProc_, handle_, message, wParam, lParam);
    return DefWindowProcW(handle_, message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
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
        if (TForm* form = ParentForm(); form && form != this)
            form->ControlFocused(this);
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
    case WM_CHAR:
        if (HandleChar(wParam))
            return 0;
        break;
    case WM_SYSCHAR:
        // Alt+letter presses the control with that access key before the
        // menu bar looks for it.
        if (TForm* form = ParentForm(); form && form->Showing() &&
            form->DialogChar(FromWide(std::wstring(1, wchar_t(wParam)))[0]))
            return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (HandleMouseDown(message, wParam, lParam))
            return 0;
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            AlignControls();
        break;
    case WM_ERASEBKGND:
        if (!subclassed_)
            return 1;
        break;
    case WM_PAINT:
        if (!subclassed_) {
            Paint();
            return 0;
        }
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

bool TWinControl::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND from = message == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : HWND(lParam);
    if (!from)
        return false;
    for (TControl* control : controls_) {
        auto* child = dynamic_cast<TWinControl*>(control);
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

bool TWinControl::HandleKeyDown(WPARAM& wParam, LPARAM)
{
    auto key = std::uint16_t(wParam);
    TShiftState shift = CurrentShiftState();
    KeyDown(key, shift);
    if (key == 0)
        return true;
    if (key == VK_TAB && !WantsTab()) {
        if (TForm* form = ParentForm())
            form->SelectNext(this, (shift & ssShift) == 0);
        return true;
    }
    wParam = key;
    return false;
}

bool TWinControl::HandleChar(WPARAM& wParam)
{
    auto wide = wchar_t(wParam);
    char original = FromWide(std::wstring_view(&wide, 1))[0];
    char key = original;
    KeyPress(key);
    if (key == 0 || (key == '\t' && !WantsTab()))
        return true;
    if (key != original)
        wParam = WPARAM(ToWide(std::string(1, key))[0]);
    return false;
}

bool TWinControl::HandleMouseDown(UINT message, WPARAM, LPARAM lParam)
{
    TMouseButton button = message == WM_LBUTTONDOWN   ? mbLeft
                          : message == WM_RBUTTONDOWN ? mbRight
                                                      : mbMiddle;
    int x = short(LOWORD(lParam));
    int y = short(HIWORD(lParam));
    TShiftState shift = CurrentShiftState();
    if (TControl* child = GraphicChildAt(x, y)) {
        RECT r = ScaledRect(*child);
        child->MouseDown(button, shift, ScaleFromScreen(x - r.left), ScaleFromScreen(y - r.top));
        return !subclassed_;
    }
    MouseDown(button, shift, ScaleFromScreen(x), ScaleFromScreen(y));
    return false;
}

TControl* TWinControl::GraphicChildAt(int x, int y) const
{
    POINT point{x, y};
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* child = *it;
        if (dynamic_cast<TWinControl*>(child) || !child->Visible())
            continue;
        RECT r = ScaledRect(*child);
        if (PtInRect(&r, point))
            return child;
    }
    return nullptr;
}

void TWinControl::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    RECT client;
    GetClientRect(handle_, &client);
    // Where windowless children are, the window is drawn off screen first, so
    // that dots and captions never flicker; elsewhere it goes straight to the
    // screen, which spares a bitmap the size of the window.
    RECT area = WindowlessArea(*this, ps.rcPaint);
    int saved = SaveDC(dc);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    PaintWindow(dc, client);
    RestoreDC(dc, saved);
    if (!IsRectEmpty(&area)) {
        int width = area.right - area.left;
        int height = area.bottom - area.top;
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
        PaintWindow(memory, client);
        PaintGraphicChildren(memory);
        BitBlt(dc, area.left, area.top, width, height, memory, area.left, area.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    EndPaint(handle_, &ps);
}

void TWinControl::PaintWindow(HDC dc, const RECT& client)
{
    HBRUSH brush = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

void TWinControl::PaintGraphicChildren(HDC dc)
{
    for (TControl* control : controls_) {
        auto* child = dynamic_cast<TGraphicControl*>(control);
        if (!child || !child->Visible())
            continue;
        RECT r = ScaledRect(*child);
        int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        child->PaintTo(dc);
        RestoreDC(dc, saved);
    }
}

} // namespace fw
