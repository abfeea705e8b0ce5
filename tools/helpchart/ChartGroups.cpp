#include "ChartGroups.h"

namespace helpchart {

namespace {

ChartGroup Pairs(std::string_view id, std::vector<std::string_view> texts) {
    ChartGroup group{id, true, {}};
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2)
        group.lines.push_back({texts[i], texts[i + 1], {}});
    return group;
}

const std::vector<ChartGroup> kGroups = {
    Pairs("serie1", {"A", "a", "B", "b", "C", "c", "D", "d", "E", "e",
                     "F", "f", "G", "g", "H", "h", "I", "i", "J", "j"}),
    Pairs("serie2", {"K", "k", "L", "l", "M", "m", "N", "n", "O", "o",
                     "P", "p", "Q", "q", "R", "r", "S", "s", "T", "t"}),
    Pairs("serie3",
          {"U",    "u",    "V",    "v",    "X",    "x",    "Y",    "y",    "Z",    "z",
           "\xC7", "\xE7", "\xC9", "\xE9", "\xC0", "\xE0", "\xC8", "\xE8", "\xD9", "\xF9"}),
    Pairs("serie4", {"\xC2", "\xE2", "\xCA", "\xEA", "\xCE", "\xEE", "\xD4", "\xF4", "\xDB", "\xFB",
                     "\xCB", "\xEB", "\xCF", "\xEF", "\xDC", "\xFC", "OE",   "oe",   "W",    "w"}),
    {"chiffres",
     false,
     {{"", "1", ""},
      {"", "2", ""},
      {"", "3", ""},
      {"", "4", ""},
      {"", "5", ""},
      {"", "6", ""},
      {"", "7", ""},
      {"", "8", ""},
      {"", "9", ""},
      {"", "0", ""}}},
    {"signes",
     false,
     {{"", ",", "virgule"},
      {"", ";", "point-virgule"},
      {"", ":", "deux-points"},
      {"", "/", "barre oblique"},
      {"", "?", "point d'interrogation"},
      {"", "!", "point d'exclamation"},
      {"", "\"", "guillemet"},
      {"", "(", "parenth\xE8se ouvrante"},
      {"", "*", "ast\xE9risque"},
      {"", ")", "parenth\xE8se fermante"},
      {"", ".", "point"},
      {"", "-", "trait d'union"},
      {"", "\xA7", "paragraphe"}}},
};

} // namespace

std::span<const ChartGroup> ChartGroups() {
    return kGroups;
}

} // namespace helpchart
