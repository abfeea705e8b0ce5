// How the chart groups the alphabet: the way French Braille is taught, series
// of ten by series of ten, then the digits and the signs.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace helpchart {

// One line of the chart: a capital and its small form side by side, or a
// single character with its name. Texts and names are Windows-1252.
struct ChartLine {
    std::string_view capital; // empty for a digit or a sign
    std::string_view small;   // the character itself for a digit or a sign
    std::string_view name;    // the sign's name, or empty
};

struct ChartGroup {
    std::string_view id; // as written in the page's placeholder <!--chart:id-->
    bool pairs;          // lines of capital and small forms
    std::vector<ChartLine> lines;
};

std::span<const ChartGroup> ChartGroups();

} // namespace helpchart
