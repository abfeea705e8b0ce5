#include "braille/AlphabetTable.h"

#include <algorithm>
#include <array>

namespace braille {
namespace {

constexpr std::string_view kMajuscule = "Majuscule";
constexpr std::string_view kMinuscule = "minuscule";
constexpr std::string_view kMinuscules = "minuscules";
constexpr std::string_view kNumerique = "Num\xE9rique";
constexpr std::string_view kPonctuation = "Ponctuation";
constexpr std::optional<std::string_view> kNoCaption = std::nullopt;

// clang-format off
constexpr std::array<AlphabetRow, kAlphabetSize> kRows{{
    {"A", Dots("4 6"), Dots("1"), kMajuscule},
    {"a", Dots("none"), Dots("1"), kMinuscule},
    {"B", Dots("4 6"), Dots("1 2"), kMajuscule},
    {"b", Dots("none"), Dots("1 2"), kMinuscule},
    {"C", Dots("4 6"), Dots("1 4"), kMajuscule},
    {"c", Dots("none"), Dots("1 4"), kMinuscule},
    {"D", Dots("4 6"), Dots("1 4 5"), kMajuscule},
    {"d", Dots("none"), Dots("1 4 5"), kMinuscule},
    {"E", Dots("4 6"), Dots("1 5"), kMajuscule},
    {"e", Dots("none"), Dots("1 5"), kMinuscule},
    {"F", Dots("4 6"), Dots("1 2 4"), kMajuscule},
    {"f", Dots("none"), Dots("1 2 4"), kMinuscule},
    {"G", Dots("4 6"), Dots("1 2 4 5"), kMajuscule},
    {"g", Dots("none"), Dots("1 2 4 5"), kMinuscule},
    {"H", Dots("4 6"), Dots("1 2 5"), kMajuscule},
    {"h", Dots("none"), Dots("1 2 5"), kMinuscule},
    {"I", Dots("4 6"), Dots("2 4"), kMajuscule},
    {"i", Dots("none"), Dots("2 4"), kMinuscule},
    {"J", Dots("4 6"), Dots("2 4 5"), kMajuscule},
    {"j", Dots("none"), Dots("2 4 5"), kMinuscule},
    {"K", Dots("4 6"), Dots("1 3"), kMajuscule},
    {"k", Dots("none"), Dots("1 3"), kMinuscule},
    {"L", Dots("4 6"), Dots("1 2 3"), kMajuscule},
    {"l", Dots("none"), Dots("1 2 3"), kMinuscule},
    {"M", Dots("4 6"), Dots("1 3 4"), kMajuscule},
    {"m", Dots("none"), Dots("1 3 4"), kMinuscule},
    {"N", Dots("4 6"), Dots("1 3 4 5"), kMajuscule},
    {"n", Dots("none"), Dots("1 3 4 5"), kMinuscule},
    {"O", Dots("4 6"), Dots("1 3 5"), kMajuscule},
    {"o", Dots("none"), Dots("1 3 5"), kMinuscule},
    {"P", Dots("4 6"), Dots("1 2 3 4"), kMajuscule},
    {"p", Dots("none"), Dots("1 2 3 4"), kMinuscule},
    {"Q", Dots("4 6"), Dots("1 2 3 4 5"), kMajuscule},
    {"q", Dots("none"), Dots("1 2 3 4 5"), kMinuscule},
    {"R", Dots("4 6"), Dots("1 2 3 5"), kMajuscule},
    {"r", Dots("none"), Dots("1 2 3 5"), kMinuscule},
    {"S", Dots("4 6"), Dots("2 3 4"), kMajuscule},
    {"s", Dots("none"), Dots("2 3 4"), kMinuscule},
    {"T", Dots("4 6"), Dots("2 3 4 5"), kMajuscule},
    {"t", Dots("none"), Dots("2 3 4 5"), kMinuscule},
    {"U", Dots("4 6"), Dots("1 3 6"), kMajuscule},
    {"u", Dots("none"), Dots("1 3 6"), kMinuscule},
    {"V", Dots("4 6"), Dots("1 2 3 6"), kMajuscule},
    {"v", Dots("none"), Dots("1 2 3 6"), kMinuscule},
    {"W", Dots("4 6"), Dots("2 4 5 6"), kMajuscule},
    {"w", Dots("none"), Dots("2 4 5 6"), kMinuscule},
    {"X", Dots("4 6"), Dots("1 3 4 6"), kMajuscule},
    {"x", Dots("none"), Dots("1 3 4 6"), kMinuscule},
    {"Y", Dots("4 6"), Dots("1 3 4 5 6"), kMajuscule},
    {"y", Dots("none"), Dots("1 3 4 5 6"), kMinuscule},
    {"Z", Dots("4 6"), Dots("1 3 5 6"), kMajuscule},
    {"z", Dots("none"), Dots("1 3 5 6"), kMinuscule},
    {"\xC7", Dots("4 6"), Dots("1 2 3 4 6"), kMajuscule},     // Ç
    {"\xE7", Dots("none"), Dots("1 2 3 4 6"), kMinuscule},    // ç
    {"\xC9", Dots("4 6"), Dots("1 2 3 4 5 6"), kMajuscule},   // É
    {"\xE9", Dots("none"), Dots("1 2 3 4 5 6"), kMinuscule},  // é
    {"\xC0", Dots("4 6"), Dots("1 2 3 5 6"), kMajuscule},     // À
    {"\xE0", Dots("none"), Dots("1 2 3 5 6"), kMinuscule},    // à
    {"\xC8", Dots("4 6"), Dots("2 3 4 6"), kMajuscule},       // È
    {"\xE8", Dots("none"), Dots("2 3 4 6"), kMinuscule},      // è
    {"\xD9", Dots("4 6"), Dots("2 3 4 5 6"), kMajuscule},     // Ù
    {"\xF9", Dots("none"), Dots("2 3 4 5 6"), kMinuscule},    // ù
    {"\xC2", Dots("4 6"), Dots("1 6"), kMajuscule},           // Â
    {"\xE2", Dots("none"), Dots("1 6"), kMinuscule},          // â
    {"\xCA", Dots("4 6"), Dots("1 2 6"), kMajuscule},         // Ê
    {"\xEA", Dots("none"), Dots("1 2 6"), kMinuscule},        // ê
    {"\xCE", Dots("4 6"), Dots("1 4 6"), kMajuscule},         // Î
    {"\xEE", Dots("none"), Dots("1 4 6"), kMinuscule},        // î
    {"\xD4", Dots("4 6"), Dots("1 4 5 6"), kMajuscule},       // Ô
    {"\xF4", Dots("none"), Dots("1 4 5 6"), kMinuscule},      // ô
    {"\xDB", Dots("4 6"), Dots("1 5 6"), kMajuscule},         // Û
    {"\xFB", Dots("none"), Dots("1 5 6"), kMinuscule},        // û
    {"\xCB", Dots("4 6"), Dots("1 2 4 6"), kMajuscule},       // Ë
    {"\xEB", Dots("none"), Dots("1 2 4 6"), kMinuscule},      // ë
    {"\xCF", Dots("4 6"), Dots("1 2 4 5 6"), kMajuscule},     // Ï
    {"\xEF", Dots("none"), Dots("1 2 4 5 6"), kMinuscule},    // ï
    {"\xDC", Dots("4 6"), Dots("1 2 5 6"), kMajuscule},       // Ü
    {"\xFC", Dots("none"), Dots("1 2 5 6"), kMinuscule},      // ü
    {"OE", Dots("4 6"), Dots("2 4 6"), kMajuscule},
    {"oe", Dots("none"), Dots("2 4 6"), kMinuscules},
    {"0", Dots("6"), Dots("3 4 5 6"), kNumerique},
    {"1", Dots("6"), Dots("1 6"), kNumerique},
    {"2", Dots("6"), Dots("1 2 6"), kNumerique},
    {"3", Dots("6"), Dots("1 4 6"), kNumerique},
    {"4", Dots("6"), Dots("1 4 5 6"), kNumerique},
    {"5", Dots("6"), Dots("1 5 6"), kNumerique},
    {"6", Dots("6"), Dots("1 2 4 6"), kNumerique},
    {"7", Dots("6"), Dots("1 2 4 5 6"), kNumerique},
    {"8", Dots("6"), Dots("1 2 5 6"), kNumerique},
    {"9", Dots("6"), Dots("2 4 6"), kNumerique},
    {",", Dots("none"), Dots("2"), kPonctuation},
    {";", Dots("none"), Dots("2 3"), kPonctuation},
    {":", Dots("none"), Dots("2 5"), kPonctuation},
    {"/", Dots("none"), Dots("2 5 6"), kNoCaption},
    {"?", Dots("none"), Dots("2 6"), kPonctuation},
    {"!", Dots("none"), Dots("2 3 5"), kPonctuation},
    {"\"", Dots("none"), Dots("2 3 5 6"), "Tr\xE9ma"},
    {"(", Dots("none"), Dots("2 3 6"), "Parenth\xE8se ouvrante"},
    {"*", Dots("none"), Dots("3 5"), kNoCaption},
    {")", Dots("none"), Dots("3 5 6"), "Parenth\xE8se fermante"},
    {".", Dots("none"), Dots("3"), kPonctuation},
    {"-", Dots("none"), Dots("3 6"), "Trait d'union"},
    {"\xA7", Dots("none"), Dots("3 4 6"), "Paragraphe"},       // §
}};
// clang-format on

// Recognition by cells relies on both: one text per row, one row per pair of cells.
consteval bool RowsAreDistinct() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        for (std::size_t j = i + 1; j < kRows.size(); ++j) {
            if (kRows[i].text == kRows[j].text)
                return false;
            if (kRows[i].first == kRows[j].first && kRows[i].second == kRows[j].second)
                return false;
        }
    }
    return true;
}
static_assert(RowsAreDistinct());

} // namespace

std::span<const AlphabetRow, kAlphabetSize> AlphabetTable() {
    return kRows;
}

const AlphabetRow* LookupText(std::string_view text) {
    const auto row = std::ranges::find(kRows, text, &AlphabetRow::text);
    return row == kRows.end() ? nullptr : &*row;
}

} // namespace braille
