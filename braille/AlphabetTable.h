#pragma once

#include "braille/DotSet.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace braille {

// One character the program knows, with its two cells. Texts and captions are
// Windows-1252 bytes.
struct AlphabetRow {
    std::string_view text;                   // one character, or "OE" / "oe"
    DotSet first;                            // prefix cell: capital sign, number sign or empty
    DotSet second;                           // the letter, digit or sign itself
    std::optional<std::string_view> caption; // shown under the first cell
};

inline constexpr std::size_t kAlphabetSize = 103;

// The 103 known characters, in the order they are taught and asked.
std::span<const AlphabetRow, kAlphabetSize> AlphabetTable();

// The row whose text is exactly `text` (same bytes, case counts, nothing trimmed), or
// nullptr.
const AlphabetRow* LookupText(std::string_view text);

} // namespace braille
