#include "ChartPage.h"

namespace helpchart {

namespace {

// Entries side by side in one line of the chart: three keep it to two printed pages.
constexpr std::size_t kEntriesPerLine = 3;
constexpr char kRaised[] = "&#9679;";
constexpr char kFlat[] = "&#9675;";

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

// Dots 1 2 3 run down the left column, 4 5 6 down the right one.
std::string DrawnCell(braille::DotSet cell) {
    std::string html = "<table class=\"cell\">";
    for (int row = 1; row <= 3; ++row) {
        html += "<tr>";
        for (int dot : {row, row + 3})
            html += std::string("<td>") + (cell.Has(dot) ? kRaised : kFlat) + "</td>";
        html += "</tr>";
    }
    return html + "</table>";
}

std::string DotNumbers(braille::DotSet cell) {
    return cell.Empty() ? "-" : cell.ToString();
}

std::string Entry(const braille::AlphabetRow& row) {
    return "<td class=\"char\">" + Escaped(row.text) + "</td><td>" + DrawnCell(row.first) +
           "</td><td>" + DrawnCell(row.second) + "</td><td class=\"dots\">" +
           DotNumbers(row.first) + " / " + DotNumbers(row.second) + "</td>\n";
}

constexpr char kHead[] =
    "<html>\n<head>\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
    "<title>Tableau des 103 caract\xE8res</title>\n"
    "<link rel=\"stylesheet\" type=\"text/css\" href=\"sixpointe.css\">\n"
    "</head>\n<body>\n"
    "<h1>Tableau des 103 caract\xE8res</h1>\n"
    "<p>Chaque caract\xE8re s'\xE9"
    "crit avec deux cellules : la premi\xE8re porte le signe "
    "de majuscule (points 4 6), le signe num\xE9rique (point 6) ou rien ; la seconde porte "
    "la lettre, le chiffre ou le signe. Un point noir (&#9679;) est en relief, un rond "
    "blanc (&#9675;) ne l'est pas. Les num\xE9ros des points suivent : premi\xE8re cellule "
    "/ seconde cellule, \xAB - \xBB quand la cellule est vide.</p>\n"
    "<table class=\"chart\">\n";

constexpr char kTail[] = "</table>\n<p><a href=\"alphabet.htm\">Les r\xE8gles de "
                         "l'alphabet</a></p>\n</body>\n</html>\n";

} // namespace

std::string ChartPage(std::span<const braille::AlphabetRow> rows) {
    std::string html = kHead;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i % kEntriesPerLine == 0)
            html += i ? "</tr>\n<tr>\n" : "<tr>\n";
        html += Entry(rows[i]);
    }
    if (!rows.empty())
        html += "</tr>\n";
    return html + kTail;
}

} // namespace helpchart
