// A plain container with optional bevels, painted in its own colour.
#pragma once

#include "framework/window/WinControl.h"

namespace fw {

enum class TBevelCut { bvNone, bvLowered, bvRaised };
using enum TBevelCut;

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut bevel);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut bevel);

protected:
    void PaintWindow(HDC dc, const RECT& client) override;

private:
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
};

} // namespace fw
