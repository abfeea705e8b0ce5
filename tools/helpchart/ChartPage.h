// The help file's chart of the alphabet, drawn from the program's own table so
// that it always shows what the program shows.
#pragma once

#include "braille/AlphabetTable.h"

#include <span>
#include <string>

namespace helpchart {

// A whole HTML page in Windows-1252: every row of the table, in its order,
// with its two cells drawn as dots and written as dot numbers.
std::string ChartPage(std::span<const braille::AlphabetRow> rows);

} // namespace helpchart
