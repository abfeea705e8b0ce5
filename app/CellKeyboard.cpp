#include "app/CellKeyboard.h"

#include "app/CellView.h"

#include "braille/WriterKeys.h"
#include "framework/core/Beep.h"
#include "framework/widgets/Panel.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace {
// The six keys are places on the keyboard, found by scan code, so that every
// layout writes with the same fingers.
int DotOfKey(std::uint16_t key) {
    return braille::DotOfScanCode(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
}

// A digit 1 to 6 of the top row or of the numeric pad, read from the key cap.
int DigitOfKey(std::uint16_t key) {
    if (key >= '1' && key <= '6')
        return key - '0';
    if (key >= VK_NUMPAD1 && key <= VK_NUMPAD6)
        return key - VK_NUMPAD0;
    return 0;
}

// Keys that belong to the window rather than to the cell: moving the focus,
// and the modifiers on their own.
bool PassesThrough(std::uint16_t key) {
    switch (key) {
    case VK_TAB:
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_PROCESSKEY:
        return true;
    default:
        return false;
    }
}
} // namespace

void TCellKeyboard::KeyDown(std::uint16_t& key) {
    if (PassesThrough(key))
        return;
    bool repeat = std::find(held_.begin(), held_.end(), key) != held_.end();
    if (!repeat)
        held_.push_back(key);
    std::uint16_t pressed = std::exchange(key, 0);
    if (repeat)
        return;
    if (int dot = DotOfKey(pressed)) {
        chord_.Press(dot);
    } else if (int digit = DigitOfKey(pressed)) {
        cell_->LowerDotsOutside(cell_->Read().With(digit, false));
    } else if (pressed != VK_SPACE) {
        fw::Beep();
    }
}

void TCellKeyboard::KeyUp(std::uint16_t& key) {
    if (std::erase(held_, key) == 0)
        return; // pressed elsewhere, before the focus came here
    std::uint16_t released = std::exchange(key, 0);
    if (int dot = DotOfKey(released)) {
        if (auto chord = chord_.Release(dot)) {
            cell_->LowerDotsOutside(*chord);
            Written();
        }
    } else if (released == VK_SPACE && !chord_.Pending()) {
        cell_->LowerDotsOutside(braille::DotSet{});
        Written();
    }
}

void TCellKeyboard::FocusLost() {
    chord_.Cancel();
    held_.clear();
}

void TCellKeyboard::Written() {
    // On to the next cell, or to "Valider" after the second.
    fw::TPanel* panel = cell_->Panel();
    FocusLost();
    if (fw::TWinControl* root = panel->Root())
        root->SelectNext(panel, true);
}
