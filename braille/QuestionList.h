#pragma once

#include "braille/AlphabetTable.h"

#include <span>
#include <string_view>

namespace braille {

// The characters a question can ask: the alphabet table's texts, in its order.
std::span<const std::string_view, kAlphabetSize> QuestionList();

} // namespace braille
