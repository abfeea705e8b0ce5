// The six keys of a Braille writer: keys pressed together, then released,
// write one cell.
#pragma once

#include "braille/DotSet.h"

#include <optional>

namespace braille {

// Every key held down at some moment between the first press and the last
// release belongs to the chord, so keys pressed in turn while one is still
// held count as well: a keyboard that cannot hold six keys at once still works.
class ChordReader {
public:
    // A dot's key goes down; a repeat of a key already held changes nothing.
    void Press(int dot);
    // A dot's key goes up: the chord once no key is held any more. The release
    // of a key that was never pressed here gives nothing.
    std::optional<DotSet> Release(int dot);
    // Forgets the keys held and the chord so far (the cell lost the focus).
    void Cancel();
    bool Pending() const { return !chord_.Empty(); }

private:
    DotSet held_;
    DotSet chord_;
};

} // namespace braille
