#include "braille/Chord.h"

namespace braille {

void ChordReader::Press(int dot) {
    held_ = held_.With(dot, true);
    chord_ = chord_.With(dot, true);
}

std::optional<DotSet> ChordReader::Release(int dot) {
    if (!held_.Has(dot))
        return std::nullopt;
    held_ = held_.With(dot, false);
    if (!held_.Empty())
        return std::nullopt;
    DotSet chord = chord_;
    chord_ = DotSet{};
    return chord;
}

void ChordReader::Cancel() {
    held_ = DotSet{};
    chord_ = DotSet{};
}

} // namespace braille
