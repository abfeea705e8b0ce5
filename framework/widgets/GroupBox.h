// A captioned frame around a group of controls.
#pragma once

#include "framework/window/WinControl.h"

namespace fw {

class TGroupBox : public TWinControl {
    FW_CLASS(TGroupBox, TWinControl)
public:
    explicit TGroupBox(TComponent* owner);

protected:
    void PaintWindow(HDC dc, const RECT& client) override;
    void TextChanged() override { Invalidate(); }
};

} // namespace fw
