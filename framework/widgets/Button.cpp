#include "framework/widgets/Button.h"

#include "framework/core/AccessKey.h"

namespace fw {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = L"BUTTON";
    params.style |= BS_PUSHBUTTON;
    if (TabStop())
        params.style |= WS_TABSTOP;
}

void TButton::Click() {
    // A disabled button can still be sent BM_CLICK; it must do nothing.
    if (Enabled())
        TWinControl::Click();
}

bool TButton::DialogChar(char key) {
    if (!CanFocus() || !HasAccessKey(Caption(), key))
        return false;
    SetFocus();
    Click();
    return true;
}

bool TButton::HandleCommand(WORD code) {
    if (code != BN_CLICKED)
        return false;
    Click();
    return true;
}

void TButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    // Outside dialog boxes Windows presses a focused button with Space only;
    // users expect Enter to do the same.
    if (key == VK_RETURN && shift == 0) {
        key = 0;
        Click();
    }
}

} // namespace fw
