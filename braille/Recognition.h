#pragma once

#include "braille/DotSet.h"

#include <optional>
#include <string_view>

namespace braille {

// Reads two cells back into the character they write: every one of the twelve dots
// must match the alphabet table's row, or there is no character.
std::optional<std::string_view> RecognizeCells(DotSet first, DotSet second);

} // namespace braille
