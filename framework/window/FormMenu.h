// What a form needs of the menu bar it shows, and the link back from the
// menu to that form.
#pragma once

#include <windows.h>

namespace fw {

class TForm;

class TFormMenu {
public:
    // The native menu bar, built on first use; owned by the menu.
    virtual HMENU MenuHandle() = 0;
    // Runs the item whose command a WM_COMMAND carries; false if none has it.
    virtual bool DispatchCommand(int command) = 0;

protected:
    ~TFormMenu() { DetachFromForm(); }
    // Redraws the bar of the form that shows this menu, if it is on screen.
    void RedrawBar() const;
    // Takes the menu off its form; a menu that goes first calls it before
    // destroying its native menu.
    void DetachFromForm();

private:
    friend class TForm;
    TForm* form_ = nullptr;
};

} // namespace fw
