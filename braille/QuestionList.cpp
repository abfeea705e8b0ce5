#include "braille/QuestionList.h"

#include <algorithm>
#include <array>

namespace braille {

std::span<const std::string_view, kAlphabetSize> QuestionList() {
    static const auto texts = [] {
        std::array<std::string_view, kAlphabetSize> column;
        std::ranges::transform(AlphabetTable(), column.begin(), &AlphabetRow::text);
        return column;
    }();
    return texts;
}

} // namespace braille
