// A workshop cell written from the keyboard, as on a Braille writer: the keys
// F D S J K L are dots 1 to 6, pressed together as a chord.
#pragma once

#include "braille/Chord.h"

#include <cstdint>
#include <vector>

class TBrailleCell;

class TCellKeyboard {
public:
    TCellKeyboard() = default;
    explicit TCellKeyboard(TBrailleCell& cell) : cell_(&cell) {}

    // The cell's key events; a key they take or refuse is set to 0.
    void KeyDown(std::uint16_t& key);
    void KeyUp(std::uint16_t& key);
    // The cell lost the focus: keys held now write nothing.
    void FocusLost();

private:
    void Written();

    TBrailleCell* cell_ = nullptr;
    braille::ChordReader chord_;
    // Keys down in this cell, so that the keyboard's auto-repeat acts once.
    std::vector<std::uint16_t> held_;
};
