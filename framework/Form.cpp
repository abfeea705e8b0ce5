#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/Dpi.h"
#include "framework/LayoutLoader.h"
#include "framework/MainMenu.h"
#include "framework/Text.h"

namespace fw {

namespace {
void CollectTabStops(const TWinControl& parent, std::vector<TWinControl*>& out)
{
    for (TWinControl* child : parent.TabList()) {
        if (child->TabStop() && child->CanFocus())
            out.push_back(child);
        CollectTabStops(*child, out);
    }
}
} // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
}

void TForm::BeforeDestruction()
{
    if (OnDestroy)
        OnDestroy(this);
    DestroyHandle();
    DestroyComponents();
    if (TApplication* application = Application())
        application->FormDestroyed(this);
}

void TForm::InitializeFromLayout(std::string_view resourceName)
{
    HandlerTable handlers;
    DefineHandlers(handlers);
    LoadLayoutResource(*this, resourceName, handlers);
    BindComponents();
    if (OnCreate)
        OnCreate(this);
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    if (icons == borderIcons_)
        return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TForm::SetMenu(TMainMenu* menu)
{
    menu_ = menu;
    if (RawHandle())
        ::SetMenu(RawHandle(), menu ? menu->Handle() : nullptr);
}

void TForm::CreateParams(TCreateParams& params)
{
    params.style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
    if (borderIcons_ & biSystemMenu) {
        params.style |= WS_SYSMENU;
        if (borderIcons_ & biMinimize)
            params.style |= WS_MINIMIZEBOX;
        if (borderIcons_ & biMaximize)
            params.style |= WS_MAXIMIZEBOX;
    }
    params.exStyle = WS_EX_APPWINDOW;
    // Given at creation, the menu bar costs no second layout of the frame.
    params.menu = menu_ ? menu_->Handle() : nullptr;
}

void TForm::HandleCreated()
{
    TWinControl::HandleCreated();
    if (HICON icon = Application()->Icon()) {
        SendMessageW(RawHandle(), WM_SETICON, ICON_BIG, LPARAM(icon));
        SendMessageW(RawHandle(), WM_SETICON, ICON_SMALL, LPARAM(icon));
    }
}

void TForm::DestroyHandle()
{
    // The window would destroy its menu with it; the menu component owns it.
    if (RawHandle() && menu_)
        ::SetMenu(RawHandle(), nullptr);
    TWinControl::DestroyHandle();
}

void TForm::BoundsChanged()
{
    if (RawHandle())
        MoveWindow(RawHandle(), Left(), Top(), ScaleToScreen(Width()), ScaleToScreen(Height()),
                   TRUE);
}

bool TForm::Showing() const { return Visible() && RawHandle() && IsWindowVisible(RawHandle()); }

void TForm::VisibleChanged()
{
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

void TForm::UpdateShowing()
{
    // Pages shown with the form may ask for the focus; it is given once
    // everything is on screen.
    showingChildren_ = true;
    TWinControl::UpdateShowing();
    showingChildren_ = false;
    if (Showing())
        ApplyFocus();
}

void TForm::CenterOnScreen()
{
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int width = ScaleToScreen(Width());
    int height = ScaleToScreen(Height());
    int left = work.left + (work.right - work.left - width) / 2;
    int top = work.top + (work.bottom - work.top - height) / 2;
    SetBounds(left, top, Width(), Height());
}

void TForm::FocusControl(TWinControl* control)
{
    activeControl_ = control;
    if (!showingChildren_ && Showing() && control->CanFocus())
        ::SetFocus(control->Handle());
}

void TForm::ApplyFocus()
{
    if (activeControl_ && activeControl_->CanFocus()) {
        ::SetFocus(activeControl_->Handle());
        return;
    }
    std::vector<TWinControl*> stops;
    CollectTabStops(*this, stops);
    if (!stops.empty())
        ::SetFocus(stops.front()->Handle());
}

void TForm::SelectNext(TWinControl* current, bool forward)
{
    std::vector<TWinControl*> stops;
    CollectTabStops(*this, stops);
    if (stops.empty())
        return;
    auto it = std::find(stops.begin(), stops.end(), current);
    size_t next = 0;
    if (it != stops.end()) {
        size_t index = size_t(it - stops.begin());
        next = forward ? (index + 1) % stops.size() : (index + stops.size() - 1) % stops.size();
    } else if (!forward) {
        next = stops.size() - 1;
    }
    ::SetFocus(stops[next]->Handle());
}

void TForm::Close()
{
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application()->MainForm() == this) {
        Application()->Terminate();
        return;
    }
    switch (action) {
    case caMinimize:
        ShowWindow(RawHandle(), SW_MINIMIZE);
        break;
    case caFree:
        Application()->Release(this);
        break;
    default:
        Hide();
    }
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
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
            // Coming back to the window puts the focus back where it was.
            DefaultHandler(message, wParam, lParam);
            if (activeControl_ && activeControl_->CanFocus())
                ::SetFocus(activeControl_->Handle());
            return 0;
        }
        break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

} // namespace fw
