// Modal showing: the form takes all the input until it is closed.
#include "framework/window/Form.h"

#include <vector>

namespace fw {

namespace {
// The program's other windows, disabled while a modal form is up and
// enabled again however the modal showing ends.
class DisabledWindows {
public:
    DisabledWindows() { EnumThreadWindows(GetCurrentThreadId(), Collect, LPARAM(this)); }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;
    ~DisabledWindows() {
        for (HWND window : windows_)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
    }

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            reinterpret_cast<DisabledWindows*>(self)->windows_.push_back(window);
        }
        return TRUE;
    }
    std::vector<HWND> windows_;
};

// Marks the form modal for the time of the showing, however it ends.
class ModalScope {
public:
    explicit ModalScope(bool& modal) : modal_(modal) { modal_ = true; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ~ModalScope() { modal_ = false; }

private:
    bool& modal_;
};
} // namespace

TModalResult TForm::ShowModal() {
    modalResult_ = mrNone;
    TApplication* application = Application();
    {
        // The others are enabled before the form goes, so that Windows hands
        // the activation back to the window under it.
        DisabledWindows others;
        ModalScope modal(modal_);
        Show();
        while (modalResult_ == mrNone && application->HandleMessage()) {
        }
    }
    Hide();
    if (modalResult_ == mrNone)
        modalResult_ = mrCancel; // the program is ending
    return modalResult_;
}

} // namespace fw
