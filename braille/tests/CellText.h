#pragma once

#include "braille/DotSet.h"

#include <ostream>
#include <string_view>

namespace braille {

// Failure messages show cells the way the alphabet is written: "4 6", "none".
inline void PrintTo(DotSet set, std::ostream* out) {
    *out << set.ToString();
}

namespace test {

// A cell in the compact notation of Braille primers ("145" for dots 1, 4, 5; "" for
// none), read at run time so that tests do not lean on the library's own notation.
inline DotSet Cell(std::string_view digits) {
    DotSet set;
    for (char digit : digits)
        set = set.With(digit - '0', true);
    return set;
}

} // namespace test
} // namespace braille
