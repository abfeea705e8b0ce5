// Controls with a window of their own: making and remaking the window, its
// properties, children, tab order and focus.
#include "framework/window/WinControl.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Text.h"

#include <algorithm>

namespace fw {

namespace {
constexpr wchar_t kWindowClass[] = L"SixpointeWindow";

template <class T> void Erase(std::vector<T*>& list, T* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// Every tab stop below `parent` in tab order, focusable now or not.
void CollectTabStops(const TWinControl& parent, std::vector<TWinControl*>& out) {
    for (TWinControl* child : parent.TabList()) {
        if (child->TabStop())
            out.push_back(child);
        CollectTabStops(*child, out);
    }
}
} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    DestroyHandle();
    TWinControl* root = Root();
    for (TControl* child : controls_) {
        if (root)
            root->ControlRemoving(child);
        child->parent_ = nullptr;
    }
    controls_.clear();
    tabList_.clear();
}

void TWinControl::BeforeDestruction() {
    DestroyHandle();
}

void TWinControl::RegisterWindowClass() {
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

HWND TWinControl::Handle() {
    if (!handle_) {
        if (Parent())
            Parent()->Handle(); // creating the parent creates its children
        if (!handle_)
            CreateHandle();
    }
    return handle_;
}

HWND TWinControl::ParentHandle() {
    return Parent() ? Parent()->Handle() : nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible())
        params.style |= WS_VISIBLE;
    if (!Enabled())
        params.style |= WS_DISABLED;
}

void TWinControl::CreateHandle() {
    if (handle_)
        return;
    TCreateParams params;
    CreateParams(params);
    bool child = params.style & WS_CHILD;
    HWND parent = child ? ParentHandle() : params.owner;
    HMENU menu = child ? nullptr : params.menu;
    RECT r = BoundsOnScreen();
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
                                    params.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                    parent, menu, instance, nullptr);
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
        throw Exception("Cannot create the window of " + Name());
    HandleCreated();
    AlignControls();
    for (TControl* child : controls_)
        if (auto* windowed = As<TWinControl>(child); windowed && windowed->Visible())
            windowed->CreateHandle();
}

void TWinControl::CreateWaitingHandles() {
    if (!handle_)
        return;
    for (TControl* child : controls_)
        if (auto* windowed = As<TWinControl>(child)) {
            windowed->CreateHandle();
            windowed->CreateWaitingHandles();
        }
}

void TWinControl::HandleCreated() {
    SendMessageW(handle_, WM_SETFONT, WPARAM(WindowFont()), FALSE);
}

void TWinControl::DestroyHandle() {
    if (!handle_)
        return;
    SaveWindowState();
    for (TControl* child : controls_)
        if (auto* windowed = As<TWinControl>(child))
            windowed->DestroyHandle();
    HWND hwnd = handle_;
    Unbind();
    DestroyWindow(hwnd);
}

void TWinControl::Unbind() {
    if (!handle_)
        return;
    // Another subclasser may have chained itself after us: its procedure
    // stays, and ours, still called by it, then acts as the window's default.
    if (subclassed_ && GetWindowLongPtrW(handle_, GWLP_WNDPROC) == LONG_PTR(SubclassProc))
        SetWindowLongPtrW(handle_, GWLP_WNDPROC, LONG_PTR(classProc_));
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    handle_ = nullptr;
    subclassed_ = false;
}

void TWinControl::RecreateWnd() {
    if (!handle_)
        return;
    bool hadFocus = Focused();
    DestroyHandle();
    if (!Parent() || Parent()->HandleAllocated())
        CreateHandle();
    if (hadFocus && handle_)
        ::SetFocus(handle_);
}

std::string TWinControl::Text() const {
    if (!handle_)
        return TControl::Text();
    int length = GetWindowTextLengthW(handle_);
    std::wstring wide(size_t(length) + 1, L'\0');
    int copied = GetWindowTextW(handle_, wide.data(), length + 1);
    wide.resize(size_t(copied));
    return FromWide(wide);
}

void TWinControl::StoreText(const std::string& text) {
    TControl::StoreText(text);
    if (handle_)
        SetWindowTextW(handle_, ToWide(text).c_str());
}

void TWinControl::BoundsChanged() {
    if (handle_) {
        RECT r = BoundsOnScreen();
        MoveWindow(handle_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
}

void TWinControl::VisibleChanged() {
    if (handle_) {
        bool losing = !Visible() && HoldsFocus();
        ShowWindow(handle_, Visible() ? SW_SHOW : SW_HIDE);
        if (losing && Root())
            Root()->FocusLeaving(this);
    } else if (Visible() && Parent() && Parent()->HandleAllocated()) {
        CreateHandle();
    }
}

void TWinControl::EnabledChanged() {
    if (!handle_)
        return;
    bool losing = !Enabled() && HoldsFocus();
    EnableWindow(handle_, Enabled());
    if (losing && Root())
        Root()->FocusLeaving(this);
}

bool TWinControl::HoldsFocus() const {
    HWND focus = GetFocus();
    return handle_ && focus && (focus == handle_ || IsChild(handle_, focus));
}

void TWinControl::FontChanged() {
    if (handle_) {
        SendMessageW(handle_, WM_SETFONT, WPARAM(WindowFont()), TRUE);
        Invalidate();
    }
    for (TControl* child : controls_)
        child->AdoptParentLook();
}

void TWinControl::ColorChanged() {
    Invalidate();
    for (TControl* child : controls_)
        child->AdoptParentLook();
}

void TWinControl::ParentChanged() {
    if (Parent() && Parent()->HandleAllocated() && Visible())
        CreateHandle();
    else if (!Parent())
        DestroyHandle();
}

void TWinControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::UpdateShowing() {
    for (TControl* child : controls_)
        child->UpdateShowing();
}

void TWinControl::UpdateHints() {
    for (TControl* child : controls_)
        child->UpdateHints();
}

void TWinControl::AlignControls() {
    if (!handle_ || aligning_)
        return;
    aligning_ = true;
    // In screen pixels: an aligned control spans the client area exactly.
    RECT client;
    GetClientRect(handle_, &client);
    int top = 0;
    int bottom = client.bottom;
    for (TControl* child : controls_) {
        if (!child->Visible() || child->Align() == alNone)
            continue;
        RECT bounds = child->BoundsOnScreen();
        int height = bounds.bottom - bounds.top;
        if (child->Align() == alTop) {
            child->SetBoundsOnScreen({0, top, client.right, top + height});
            top += height;
        } else {
            bottom -= height;
            child->SetBoundsOnScreen({0, bottom, client.right, bottom + height});
        }
    }
    aligning_ = false;
}

void TWinControl::ScaleChanged() {
    for (TControl* child : controls_)
        child->ScaleChanged();
    TControl::ScaleChanged();
    AlignControls();
}

bool TWinControl::DialogChar(char key) {
    for (TControl* child : controls_)
        if (child->Visible() && child->Enabled() && child->DialogChar(key))
            return true;
    return false;
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    if (auto* windowed = As<TWinControl>(control))
        tabList_.push_back(windowed);
    else
        control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    // Runs from the control's destructor too, once its own class is gone:
    // it cannot be asked for its kind nor called virtually here.
    if (TWinControl* root = &RootOrSelf(); root != control)
        root->ControlRemoving(control);
    Erase(controls_, control);
    tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(),
                                  [control](TWinControl* child) { return child == control; }),
                   tabList_.end());
    if (handle_) {
        RECT r = control->BoundsOnScreen();
        InvalidateRect(handle_, &r, TRUE);
    }
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    Erase(list, this);
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

bool TWinControl::CanFocus() const {
    if (!Showing())
        return false;
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TWinControl* root = Root())
        root->FocusRequested(this);
    else
        ::SetFocus(Handle());
}

void TWinControl::FocusRequested(TWinControl* control) {
    ::SetFocus(control->Handle());
}

TWinControl& TWinControl::RootOrSelf() {
    TWinControl* root = Root();
    return root ? *root : *this;
}

TWinControl* TWinControl::FindNextControl(const TWinControl* current, bool forward) const {
    std::vector<TWinControl*> stops;
    CollectTabStops(*this, stops);
    size_t count = stops.size();
    if (count == 0)
        return nullptr;
    auto it = std::find(stops.begin(), stops.end(), current);
    // Not among them: start before the first (or after the last).
    size_t from = it != stops.end() ? size_t(it - stops.begin()) : forward ? count - 1 : 0;
    for (size_t step = 1; step <= count; ++step) {
        TWinControl* candidate =
            stops[forward ? (from + step) % count : (from + count - step) % count];
        if (candidate != current && candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(const TWinControl* current, bool forward) {
    if (TWinControl* next = FindNextControl(current, forward)) {
        // The keyboard moves the focus: from now on the window shows where it
        // is, as dialog boxes do once Tab is pressed, even where Windows hides
        // focus rectangles until the keyboard is used.
        SendMessageW(GetAncestor(next->Handle(), GA_ROOT), WM_CHANGEUISTATE,
                     MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        ::SetFocus(next->Handle());
    }
}

void TWinControl::AccessibleValueChanged() {
    if (handle_ && OnAccessibleInfo)
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, handle_, OBJID_CLIENT, CHILDID_SELF);
}

void TWinControl::FocusEntered() {
    DoEnter();
}
void TWinControl::FocusLeft() {
    DoExit();
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

} // namespace fw
