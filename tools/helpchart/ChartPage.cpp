#include "ChartPage.h"
#include "HelpPage.h"

#include "ChartGroups.h"

#include <map>

namespace helpchart {

namespace {

constexpr std::string_view kPlaceholderStart = "<!--chart:";
constexpr std::string_view kPlaceholderEnd = "-->";

std::string Escaped(std::string_view text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string DotNumbers(braille::DotSet cell) {
    return cell.Empty() ? "-" : cell.ToString();
}

std::string Entry(const braille::AlphabetRow& row) {
    return "<td class=\"char\">" + Escaped(row.text) + "</td><td>" +
           helppage::DrawnCell(row.first) + "</td><td>" + helppage::DrawnCell(row.second) +
           "</td><td class=\"dots\">" + DotNumbers(row.first) + " / " + DotNumbers(row.second) +
           "</td>";
}

// The table's rows by text, each to be placed once.
class RowIndex {
public:
    explicit RowIndex(std::span<const braille::AlphabetRow> rows) {
        for (const auto& row : rows)
            rows_.emplace(row.text, Slot{&row, false});
    }

    const braille::AlphabetRow& Find(std::string_view text) const {
        auto found = rows_.find(text);
        if (found == rows_.end())
            throw ChartError("the chart groups \"" + std::string(text) +
                             "\", which is no row of the table");
        return *found->second.row;
    }

    const braille::AlphabetRow& Place(std::string_view text) {
        Find(text);
        Slot& slot = rows_.find(text)->second;
        if (slot.placed)
            throw ChartError("\"" + std::string(text) + "\" is in the chart twice");
        slot.placed = true;
        return *slot.row;
    }

    void CheckAllPlaced() const {
        for (const auto& [text, slot] : rows_)
            if (!slot.placed)
                throw ChartError("\"" + std::string(text) + "\" is missing from the chart");
    }

private:
    struct Slot {
        const braille::AlphabetRow* row;
        bool placed;
    };
    std::map<std::string_view, Slot, std::less<>> rows_;
};

// The lines of other groups or of this one whose second cell is the line's own:
// a digit and a letter that only the number sign tells apart.
std::string SharedWith(const ChartLine& line, const RowIndex& index) {
    braille::DotSet cell = index.Find(line.small).second;
    std::string shared;
    for (const ChartGroup& group : ChartGroups())
        for (const ChartLine& other : group.lines)
            if (&other != &line && index.Find(other.small).second == cell)
                shared += (shared.empty() ? "" : " ") + Escaped(other.small);
    return shared;
}

std::string GroupTable(const ChartGroup& group, RowIndex& index) {
    bool anyShared = false, anyName = false;
    for (const ChartLine& line : group.lines) {
        anyShared = anyShared || !SharedWith(line, index).empty();
        anyName = anyName || !line.name.empty();
    }
    std::string html = "<table class=\"chart\">\n<tr>";
    html += group.pairs ? "<th colspan=\"4\">Majuscule</th><th colspan=\"4\">Minuscule</th>"
                        : "<th colspan=\"4\">Caract\xE8re</th>";
    if (anyName)
        html += "<th>Nom</th>";
    if (anyShared)
        html += "<th>M\xEAme seconde cellule</th>";
    html += "</tr>\n";
    for (const ChartLine& line : group.lines) {
        std::string shared = SharedWith(line, index);
        html += shared.empty() ? "<tr>" : "<tr class=\"shared\">";
        if (group.pairs)
            html += Entry(index.Place(line.capital));
        html += Entry(index.Place(line.small));
        if (anyName)
            html += "<td class=\"name\">" + Escaped(line.name) + "</td>";
        if (anyShared)
            html += "<td class=\"shared\">" + shared + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

const ChartGroup& GroupNamed(std::string_view id) {
    for (const ChartGroup& group : ChartGroups())
        if (group.id == id)
            return group;
    throw ChartError("the page asks for a chart group \"" + std::string(id) +
                     "\" that does not exist");
}

} // namespace

std::string ChartPage(std::string_view page, std::span<const braille::AlphabetRow> rows) {
    RowIndex index(rows);
    std::string html;
    std::size_t at = 0;
    for (std::size_t start; (start = page.find(kPlaceholderStart, at)) != std::string_view::npos;) {
        std::size_t idStart = start + kPlaceholderStart.size();
        std::size_t end = page.find(kPlaceholderEnd, idStart);
        if (end == std::string_view::npos)
            throw ChartError("a chart placeholder is not closed");
        html += page.substr(at, start - at);
        html += GroupTable(GroupNamed(page.substr(idStart, end - idStart)), index);
        at = end + kPlaceholderEnd.size();
    }
    html += page.substr(at);
    index.CheckAllPlaced();
    return html;
}

} // namespace helpchart
