// The help file's chart of the alphabet, drawn from the program's own table so
// that it always shows what the program shows.
#pragma once

#include "braille/AlphabetTable.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace helpchart {

// A page and a table that do not fit together: a placeholder that names no
// group, a group left out or written twice, a row in no group or in two.
struct ChartError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The page (Windows-1252 HTML) with each placeholder <!--chart:id--> replaced
// by the table of that group: every character with its two cells drawn as dots
// and written as dot numbers, capital and small forms on one line, and the
// second cells that two lines share pointed out.
std::string ChartPage(std::string_view page, std::span<const braille::AlphabetRow> rows);

} // namespace helpchart
