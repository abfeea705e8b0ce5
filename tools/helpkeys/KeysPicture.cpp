#include "KeysPicture.h"
#include "HelpPage.h"

#include "braille/DotSet.h"

#include <algorithm>
#include <array>
#include <vector>

namespace helpkeys {

namespace {

constexpr std::string_view kPlaceholder = "<!--keys-->";

// The keyboard's home row from left to right, by scan code, with the letter
// that French and English keyboards print on each key.
struct RowKey {
    unsigned scanCode;
    const char* azerty;
    const char* qwerty;
};
constexpr std::array<RowKey, 10> kHomeRow{{
    {0x1E, "Q", "A"},
    {0x1F, "S", "S"},
    {0x20, "D", "D"},
    {0x21, "F", "F"},
    {0x22, "G", "G"},
    {0x23, "H", "H"},
    {0x24, "J", "J"},
    {0x25, "K", "K"},
    {0x26, "L", "L"},
    {0x27, "M", ";"},
}};
// G and the keys to its left are under the left hand, H and those to its
// right under the right hand.
constexpr unsigned kLastOfLeftHand = 0x22;

std::string Label(const RowKey& key) {
    std::string azerty = key.azerty, qwerty = key.qwerty;
    return azerty == qwerty ? azerty : azerty + " (" + qwerty + ")";
}

std::string DotNumber(int dot) {
    return std::string(1, char('0' + dot));
}

// The keys of the row, each with the dot that it writes (0 for none).
struct PlacedKey {
    const RowKey* key;
    int dot;
};

class Keyboard {
public:
    explicit Keyboard(std::span<const braille::WriterKey> keys) {
        std::array<int, 7> keysOfDot{};
        std::size_t first = kHomeRow.size(), last = 0;
        for (const auto& key : keys) {
            if (key.dot < 1 || key.dot > 6)
                throw PictureError("a key writes dot " + std::to_string(key.dot));
            ++keysOfDot[std::size_t(key.dot)];
            auto place = std::find_if(kHomeRow.begin(), kHomeRow.end(), [&](const RowKey& row) {
                return row.scanCode == key.scanCode;
            });
            if (place == kHomeRow.end())
                throw PictureError("the key of dot " + DotNumber(key.dot) +
                                   " is not on the keyboard's home row");
            dotOfPlace_[std::size_t(place - kHomeRow.begin())] = key.dot;
            first = std::min(first, std::size_t(place - kHomeRow.begin()));
            last = std::max(last, std::size_t(place - kHomeRow.begin()));
        }
        for (int dot = 1; dot <= 6; ++dot)
            if (keysOfDot[std::size_t(dot)] != 1)
                throw PictureError("dot " + DotNumber(dot) + " has " +
                                   std::to_string(keysOfDot[std::size_t(dot)]) + " keys");
        for (std::size_t at = first; at <= last; ++at)
            shown_.push_back({&kHomeRow[at], dotOfPlace_[at]});
    }

    // The keys from the first to the last key of a dot, left to right.
    const std::vector<PlacedKey>& Shown() const { return shown_; }

    const RowKey& KeyOf(int dot) const {
        for (const PlacedKey& placed : shown_)
            if (placed.dot == dot)
                return *placed.key;
        throw PictureError("no key for dot " + DotNumber(dot));
    }

    static bool LeftHand(const RowKey& key) { return key.scanCode <= kLastOfLeftHand; }

private:
    std::array<int, kHomeRow.size()> dotOfPlace_{};
    std::vector<PlacedKey> shown_;
};

// The row of keys with the hands above it and, under each key of a dot, its
// number and its place in the cell.
std::string DrawnRow(const Keyboard& keyboard) {
    const auto& shown = keyboard.Shown();
    auto left = std::count_if(shown.begin(), shown.end(), [](const PlacedKey& placed) {
        return Keyboard::LeftHand(*placed.key);
    });
    std::string hands = "<tr>";
    if (left > 0)
        hands += "<td class=\"hand\" colspan=\"" + std::to_string(left) + "\">main gauche</td>";
    if (left < std::ssize(shown))
        hands += "<td class=\"hand\" colspan=\"" + std::to_string(std::ssize(shown) - left) +
                 "\">main droite</td>";
    std::string keys = "<tr>", numbers = "<tr>", cells = "<tr>";
    for (const PlacedKey& placed : shown) {
        keys += std::string("<td class=\"") + (placed.dot ? "key" : "key other") + "\">" +
                Label(*placed.key) + "</td>";
        numbers += "<td class=\"dot\">" + (placed.dot ? DotNumber(placed.dot) : "") + "</td>";
        cells += "<td>" +
                 (placed.dot ? helppage::DrawnCell(braille::DotSet().With(placed.dot, true)) : "") +
                 "</td>";
    }
    return "<table class=\"writer\" cellspacing=\"3\">" + hands + "</tr>\n" + keys + "</tr>\n" +
           numbers + "</tr>\n" + cells + "</tr>\n</table>\n";
}

// The cell drawn large, each dot between its number and its key: the left
// column's keys on the left, the right column's on the right.
std::string DrawnCellWithKeys(const Keyboard& keyboard) {
    std::string html = "<table class=\"writercell\">";
    for (int row = 1; row <= 3; ++row) {
        const int leftDot = row, rightDot = row + 3;
        html += std::string("<tr") +
                (row == 1   ? " class=\"top\""
                 : row == 3 ? " class=\"bottom\""
                            : "") +
                ">";
        html += "<td class=\"key\">" + Label(keyboard.KeyOf(leftDot)) + "</td>";
        html += "<td class=\"number\">" + DotNumber(leftDot) + "</td>";
        html += std::string("<td class=\"in l\">") + helppage::kRaised + "</td>";
        html += std::string("<td class=\"in r\">") + helppage::kRaised + "</td>";
        html += "<td class=\"number\">" + DotNumber(rightDot) + "</td>";
        html += "<td class=\"key\">" + Label(keyboard.KeyOf(rightDot)) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

// What the picture shows, said in words (Windows-1252).
std::string TextAlternative(const Keyboard& keyboard) {
    std::string row, hands[2];
    for (const PlacedKey& placed : keyboard.Shown())
        row += (row.empty() ? "" : ", ") + Label(*placed.key);
    for (int dot = 1; dot <= 6; ++dot) {
        const RowKey& key = keyboard.KeyOf(dot);
        std::string& hand = hands[Keyboard::LeftHand(key) ? 0 : 1];
        hand += (hand.empty() ? "" : ", ") + Label(key) +
                " \xE9"
                "crit le point " +
                DotNumber(dot);
    }
    std::string text = "Rang\xE9"
                       "e du milieu du clavier, de gauche \xE0 droite : " +
                       row + ".";
    if (!hands[0].empty())
        text += " Main gauche : " + hands[0] + ".";
    if (!hands[1].empty())
        text += " Main droite : " + hands[1] + ".";
    return text + " Dans la cellule, les points 1, 2, 3 forment la colonne de gauche, de haut en "
                  "bas, et les points 4, 5, 6 celle de droite.";
}

} // namespace

std::string KeysPicture(std::span<const braille::WriterKey> keys) {
    const Keyboard keyboard(keys);
    return "<div class=\"writerkeys\" role=\"img\" aria-label=\"" + TextAlternative(keyboard) +
           "\">\n" + DrawnRow(keyboard) + DrawnCellWithKeys(keyboard) + "</div>";
}

std::string KeysPage(std::string_view page, std::span<const braille::WriterKey> keys) {
    const auto at = page.find(kPlaceholder);
    if (at == std::string_view::npos)
        throw PictureError("no place for the picture of the keys");
    if (page.find(kPlaceholder, at + 1) != std::string_view::npos)
        throw PictureError("two places for the picture of the keys");
    return std::string(page.substr(0, at)) + KeysPicture(keys) +
           std::string(page.substr(at + kPlaceholder.size()));
}

} // namespace helpkeys
