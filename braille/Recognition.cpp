#include "braille/Recognition.h"

#include "braille/AlphabetTable.h"

#include <cstdint>
#include <vector>

namespace braille {
namespace {

// Every pair of cells is a 12-bit pattern: first cell in the high six bits.
constexpr std::size_t kPatternCount = DotSet::kMaskLimit * DotSet::kMaskLimit;

constexpr std::size_t PatternOf(DotSet first, DotSet second) {
    return first.Mask() * DotSet::kMaskLimit + second.Mask();
}

// Row number plus one for each pattern, 0 for no character. The table has no two rows
// with the same cells, so filling in any order gives the answer of a search in order.
// Built on first use, on the heap: a fixed array would be worked out by the
// compiler and take 4 KiB of the program file.
using PatternIndex = std::vector<std::uint8_t>;
static_assert(kAlphabetSize < 255, "row numbers must fit the index entries");

PatternIndex BuildIndex() {
    PatternIndex index(kPatternCount);
    const auto rows = AlphabetTable();
    for (std::size_t i = 0; i < rows.size(); ++i)
        index[PatternOf(rows[i].first, rows[i].second)] = static_cast<std::uint8_t>(i + 1);
    return index;
}

} // namespace

std::optional<std::string_view> RecognizeCells(DotSet first, DotSet second) {
    static const PatternIndex index = BuildIndex();
    const std::uint8_t entry = index[PatternOf(first, second)];
    if (entry == 0)
        return std::nullopt;
    return AlphabetTable()[entry - 1].text;
}

} // namespace braille
