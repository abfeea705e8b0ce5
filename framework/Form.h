// A top-level window, created from its layout.
#pragma once

#include "framework/WinControl.h"

#include <string_view>

namespace fw {

class HandlerTable;
class TMainMenu;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum class TPosition { poDesigned, poScreenCenter };
using enum TPosition;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    void BeforeDestruction() override;

    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Asks OnClose what to do; closing the main form ends the application.
    void Close();
    bool Showing() const override;
    void UpdateShowing() override;

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control) { FocusControl(control); }
    // Focus requests from the controls: immediate when the form is on
    // screen, otherwise kept for the moment it is shown.
    void FocusControl(TWinControl* control);
    void ControlFocused(TWinControl* control) { activeControl_ = control; }
    // Moves the focus to the next (or previous) control of the tab order.
    void SelectNext(TWinControl* current, bool forward);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

protected:
    // Reads the layout from the program's resources, binds its event
    // handlers, lets the form find its controls, then runs OnCreate.
    void InitializeFromLayout(std::string_view resourceName);
    virtual void DefineHandlers(HandlerTable& handlers) { (void)handlers; }
    virtual void BindComponents() {}
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
    void CenterOnScreen();

    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = poDesigned;
    TMainMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    bool showingChildren_ = false;
    bool shownOnce_ = false;
};

} // namespace fw
