// A top-level window. Its layout is read by the loading layer, from the
// constructor of the form's own class.
#pragma once

#include "framework/core/Application.h"
#include "framework/window/WinControl.h"

namespace fw {

class TFormMenu;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum class TPosition { poDesigned, poScreenCenter };
using enum TPosition;

class TForm : public TWinControl, public TApplicationForm {
public:
    explicit TForm(TComponent* owner);
    void BeforeDestruction() override;

    TBorderIcons BorderIcons() const { return borderIcons_; }
    // biHelp gives the title bar's help button, which Windows shows only
    // on a window without minimise and maximise buttons.
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormMenu* Menu() const { return menu_; }
    void SetMenu(TFormMenu* menu);

    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Asks OnClose what to do; closing the main form ends the application.
    void Close();
    bool Showing() const override;
    void UpdateShowing() override;
    // Runs OnCreate; the form's own class calls it once its layout is read.
    void DoCreate();

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control) { FocusRequested(control); }

    // TApplicationForm
    void ShowMainWindow() override { Show(); }
    void CreateWaitingWindows() override { CreateWaitingHandles(); }
    HWND OwnerWindow() const override { return RawHandle(); }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

protected:
    void FocusRequested(TWinControl* control) override;
    void ControlFocused(TWinControl* control) override { activeControl_ = control; }
    void FocusLeaving(TWinControl* control) override;
    void ControlRemoving(TControl* control) override;

    // WM_GETMINMAXINFO, after the framework's own handling.
    virtual void GetMinMaxInfo(MINMAXINFO& info) { (void)info; }

    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void DestroyHandle() override;
    void VisibleChanged() override;
    void BoundsChanged() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyFocus();
    void HandFocusOn();
    void CenterOnScreen();

    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    TFormMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    // A control that lost the focus by being disabled or hidden: once the
    // handler that did it has run, the focus goes on from its place.
    TWinControl* focusLeaver_ = nullptr;
    bool showingChildren_ = false;
    bool shownOnce_ = false;
};

} // namespace fw
