// A Braille cell on screen: a panel holding six dot shapes, dot n being the
// n-th shape laid on it; a raised dot is a visible shape.
#pragma once

#include "braille/DotSet.h"

#include <array>
#include <string>

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

    // Lets assistive tools read the cell by that name, its raised dots as its
    // value; a cell that takes the focus is one the user writes in.
    void MakeAccessible(std::string name);

    void Show(braille::DotSet cell);
    braille::DotSet Read() const;
    void ToggleDot(int dot);
    // Lowers every raised dot that `kept` does not hold; never raises one.
    void LowerDotsOutside(braille::DotSet kept);
    fw::TPanel* Panel() const { return panel_; }

private:
    // Tells assistive tools when the dots differ from `before`.
    void Changed(braille::DotSet before);

    fw::TPanel* panel_ = nullptr;
    std::array<fw::TShape*, 6> dots_{};
};
