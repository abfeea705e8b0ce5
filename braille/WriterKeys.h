// The six keys of a Braille writer on a computer keyboard.
#pragma once

#include <array>

namespace braille {

struct WriterKey {
    int dot;
    // The key's place on the keyboard (its scan code, PC set 1), whatever
    // letter the layout prints on it.
    unsigned scanCode;
};

// The home row under the fingers, as on a Braille writer: the left hand
// writes the left column (F D S: dots 1 2 3, index on F), the right hand the
// right column (J K L: dots 4 5 6, index on J). These places bear the same
// letters on QWERTY, QWERTZ and AZERTY keyboards.
inline constexpr std::array<WriterKey, 6> kWriterKeys{{
    {1, 0x21},
    {2, 0x20},
    {3, 0x1F},
    {4, 0x24},
    {5, 0x25},
    {6, 0x26},
}};

// The dot that the key at this place writes, or 0 for any other key.
constexpr int DotOfScanCode(unsigned scanCode) {
    for (const WriterKey& key : kWriterKeys)
        if (key.scanCode == scanCode)
            return key.dot;
    return 0;
}

} // namespace braille
