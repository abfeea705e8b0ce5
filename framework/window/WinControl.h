// A control with a window of its own, and the one window procedure that
// serves every such window.
#pragma once

#include "framework/window/Accessible.h"
#include "framework/window/Control.h"

#include <windows.h>

#include <string>
#include <vector>

namespace fw {

struct TCreateParams {
    std::wstring className; // empty: the framework's own window class
    DWORD style = 0;
    DWORD exStyle = 0;
    HMENU menu = nullptr; // a top-level window's menu bar, given at creation
    HWND owner = nullptr; // the window that owns a top-level window
};

class TWinControl : public TControl {
    FW_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    bool HandleAllocated() const { return handle_ != nullptr; }
    // The window, created (with those of the parents) if it does not exist.
    // A hidden child's window waits until the child is shown or asked for it.
    HWND Handle();
    void HandleNeeded() { Handle(); }
    // Creates the windows still waiting in this control and below it.
    void CreateWaitingHandles();
    // Destroys and re-creates the window if it exists; the control's state survives.
    void RecreateWnd();

    std::string Text() const override;
    void Invalidate() override;
    void UpdateShowing() override;
    // Offers an access key to the showing, enabled children.
    bool DialogChar(char key) override;
    void UpdateHints() override;
    // Places the aligned children along the edges of the client area.
    void AlignControls();
    // The children first, so that this control's rules (alignment, pages)
    // place them last.
    void ScaleChanged() override;

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    int TabOrder() const;
    void SetTabOrder(int order);

    bool Focused() const;
    bool CanFocus() const;
    // Takes the input focus, or, while the form is not on screen yet,
    // records the request so that it takes effect when the form is shown.
    void SetFocus();
    // The tab stop that follows (or precedes) `current` among this
    // container's focusable ones, wrapping round; null if there is none.
    TWinControl* FindNextControl(const TWinControl* current, bool forward) const;
    void SelectNext(const TWinControl* current, bool forward);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    // What assistive tools read of the control; without it they get the
    // system's default object for the window.
    TAccessibleInfoEvent OnAccessibleInfo;
    // Tells assistive tools that the value they read has changed.
    void AccessibleValueChanged();
    TKeyPressEvent OnKeyPress;

    const std::vector<TControl*>& Controls() const { return controls_; }
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    // A notification (WM_COMMAND, WM_NOTIFY) that the parent hands back to this control.
    virtual bool HandleCommand(WORD code) {
        (void)code;
        return false;
    }
    // The same with the command's id, for controls whose items send commands (tool bars).
    virtual bool HandleItemCommand(WORD id, WORD code) {
        (void)id;
        return HandleCommand(code);
    }
    // Whether a window that is not a child of the parent, such as a tool
    // tip, belongs to this control, so that its notifications come here.
    virtual bool OwnsWindow(HWND window) const {
        (void)window;
        return false;
    }
    virtual bool HandleNotify(NMHDR& header, LRESULT& result) {
        (void)header;
        (void)result;
        return false;
    }
    // WM_CTLCOLOR*: sets up the DC and returns the background brush, or null for the default.
    virtual HBRUSH CtlColor(HDC dc) {
        (void)dc;
        return nullptr;
    }

protected:
    // What the outermost container hears of the controls placed in it, so
    // that a form can keep its focus bookkeeping without the controls knowing
    // about forms. A container that is no form gives the focus directly.
    virtual void FocusRequested(TWinControl* control);
    virtual void ControlFocused(TWinControl* control) { (void)control; }
    // A control holding the focus is being disabled or hidden.
    virtual void FocusLeaving(TWinControl* control) { (void)control; }
    // A control leaves the tree, or is freed: no pointer to it may remain.
    virtual void ControlRemoving(TControl* control) { (void)control; }

    virtual void CreateParams(TCreateParams& params);
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // Runs once the window exists: pushes the stored state into it.
    virtual void HandleCreated();
    // Runs before the window goes: keeps in the object what lives in the window.
    virtual void SaveWindowState() {}
    HWND ParentHandle();

    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

    // Framework notifications that the focus entered or left the control;
    // they run the DoEnter / DoExit hooks.
    virtual void FocusEntered();
    virtual void FocusLeft();
    // Hooks that fire OnEnter and OnExit.
    virtual void DoEnter();
    virtual void DoExit();
    // Hooks that fire OnKeyDown, OnKeyUp and OnKeyPress; a key set to 0 is dropped.
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);
    // Whether Tab goes to the control instead of moving the focus on.
    virtual bool WantsTab() const { return false; }
    // Whether typed characters are the control's input; when they are not
    // (buttons, tab strips), a letter alone presses the matching access key.
    virtual bool WantsCharacters() const { return true; }
    // Ctrl+Tab (forward) or Ctrl+Shift+Tab inside the control: turns its
    // pages, if it has any; false lets the key go on to the enclosing controls.
    virtual bool SelectNextPage(bool forward) {
        (void)forward;
        return false;
    }

    // Painting of windows of the framework's own class: background, then
    // the windowless children in creation order.
    virtual void PaintWindow(HDC dc, const RECT& client);
    // A brush of the control's colour, kept from paint to paint.
    HBRUSH BackgroundBrush();
    void PaintGraphicChildren(HDC dc);
    TControl* GraphicChildAt(int x, int y) const;

    void StoreText(const std::string& text) override;
    void BoundsChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    // The GDI font the window draws with: the control's own, unless the
    // control needs a variant of it.
    virtual HFONT WindowFont() { return Font().Handle(PixelsPerInch()); }
    void ColorChanged() override;
    void ParentChanged() override;

    HWND RawHandle() const { return handle_; }

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterWindowClass();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleKeyDown(WPARAM& wParam, LPARAM lParam);
    bool HandleChar(WPARAM& wParam);
    bool PressAccessKey(WPARAM character);
    bool HandleMouseDown(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // The client area as WM_PAINT shows it: background, then windowless children.
    void PaintClient(HDC dc, const RECT& client);
    void PrintClient(HDC dc);
    LRESULT Print(HDC dc, LPARAM flags);
    void PrintChildWindows(HDC dc, LPARAM flags);
    void Unbind();
    bool HoldsFocus() const;
    TWinControl& RootOrSelf();

    HWND handle_ = nullptr;
    WNDPROC classProc_ = nullptr; // a subclassed standard window's own procedure
    bool subclassed_ = false;
    bool tabStop_ = false;
    bool aligning_ = false;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    TBrush background_;
};

// The shift state of the keyboard and mouse buttons right now.
TShiftState CurrentShiftState();

} // namespace fw
