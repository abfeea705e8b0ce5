// A Braille cell on screen: six dot shapes, dot n being the n-th; a raised
// dot is a visible shape.
#pragma once

#include "braille/DotSet.h"

namespace fw {
class TShape;
}

// Sets all six shapes, dot 1 first.
void ShowCell(fw::TShape* const dots[6], braille::DotSet cell);
braille::DotSet ReadCell(fw::TShape* const dots[6]);
