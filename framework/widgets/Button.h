// The standard push button.
#pragma once

#include "framework/window/WinControl.h"

namespace fw {

class TButton : public TWinControl {
    FW_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* owner);

    // Runs OnClick, unless the button is disabled.
    void Click() override;
    bool HandleCommand(WORD code) override;
    bool DialogChar(char key) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    // A letter typed on a button presses the access key it names.
    bool WantsCharacters() const override { return false; }
};

} // namespace fw
