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

// The frame: bsSizeable can be resized, bsSingle cannot, bsDialog is a fixed
// dialog frame without minimise or maximise buttons, bsNone has no frame.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
using enum TFormBorderStyle;

// How a modal showing ended; 0 while it goes on.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

class TForm : public TWinControl, public TApplicationForm {
    FW_CLASS(TForm, TWinControl)
public:
    explicit TForm(TComponent* owner);
    void BeforeDestruction() override;

    TBorderIcons BorderIcons() const { return borderIcons_; }
    // biHelp gives the title bar's help button, which Windows shows only
    // on a window without minimise and maximise buttons.
    void SetBorderIcons(TBorderIcons icons);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    // The size inside the frame, in pixels at 96 dpi; setting it sizes the
    // window around it, for the frame the form has.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormMenu* Menu() const { return menu_; }
    void SetMenu(TFormMenu* menu);

    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Asks OnClose what to do; closing the main form ends the application,
    // closing a modal form ends its modal showing.
    void Close();
    // Shows the form while every other window of the program takes no
    // input, and returns once it is closed or given a modal result.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    bool Showing() const override;
    void UpdateShowing() override;
    // Runs OnCreate; the form's own class calls it once its layout is read.
    void DoCreate();

    // The resolution of the monitor the form is on.
    int PixelsPerInch() const override { return dpi_; }
    // The form moved to a monitor of another resolution (WM_DPICHANGED):
    // it takes the place Windows suggests, if any, and lays itself out again
    // from its 96-dpi values, as if it had been made at that resolution.
    void ChangeDpi(int dpi, const RECT* suggested);

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
    // The outer size that holds the client size asked for.
    void FitFrameToClient();
    // The window's size in device pixels at a resolution: the client size
    // asked for, scaled, in the frame of that resolution, or else the
    // form's size scaled.
    SIZE OuterSize(int dpi);
    // The program's icon as drawn for the form's resolution.
    void SetIcons();
    // The window of the main form, to own a dialog; null for the main form.
    HWND DialogOwner() const;

    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormBorderStyle borderStyle_ = bsSizeable;
    // Client size asked for, -1 while none: kept across frame changes.
    int clientWidth_ = -1;
    int clientHeight_ = -1;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    TPosition position_ = poDesigned;
    int dpi_;
    TFormMenu* menu_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    // A control that lost the focus by being disabled or hidden: once the
    // handler that did it has run, the focus goes on from its place.
    TWinControl* focusLeaver_ = nullptr;
    bool showingChildren_ = false;
    bool shownOnce_ = false;
};

} // namespace fw
