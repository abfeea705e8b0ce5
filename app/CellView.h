// A Braille cell on screen: a panel holding six dot shapes, dot n being the
// n-th shape laid on it; a raised dot is a visible shape.
#pragma once

#include "braille/DotSet.h"

#include <array>

namespace fw {
class TPanel;
class TShape;
} // namespace fw

class TBrailleCell {
public:
    TBrailleCell() = default;
    // Takes the panel's shapes in the order they were laid on it; fails
    // with the panel's name unless there are exactly six.
    explicit TBrailleCell(fw::TPanel& panel);

    void Show(braille::DotSet cell);
    braille::DotSet Read() const;
    void ToggleDot(int dot);
    fw::TPanel* Panel() const { return panel_; }

private:
    fw::TPanel* panel_ = nullptr;
    std::array<fw::TShape*, 6> dots_{};
};
