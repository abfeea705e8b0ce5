// A plain container with optional bevels, painted in its own colour. A panel
// that is a tab stop takes the focus, from the keyboard or a press of the
// mouse, and shows it with the system's focus rectangle inside its bevels.
#pragma once

#include "framework/window/WinControl.h"

namespace fw {

enum class TBevelCut { bvNone, bvLowered, bvRaised };
using enum TBevelCut;

class TPanel : public TWinControl {
    FW_CLASS(TPanel, TWinControl)
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);

protected:
    void PaintWindow(HDC dc, const RECT& client) override;
    void FocusEntered() override;
    void FocusLeft() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool ShowsFocusCue();

    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
};

} // namespace fw
