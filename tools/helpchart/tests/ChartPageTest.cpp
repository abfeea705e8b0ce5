// The chart read back, entry by entry, and compared with the table.
#include "ChartPage.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

struct ChartEntry {
    std::string text;
    braille::DotSet first, second;
    std::string numbers;
};

// A drawn cell: six discs, read row by row (dots 1 4, 2 5, 3 6).
braille::DotSet ReadCell(const std::string& html) {
    static const std::regex disc("<td>(&#9679;|&#9675;)</td>");
    constexpr int kOrder[] = {1, 4, 2, 5, 3, 6};
    braille::DotSet cell;
    int index = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), disc), end; it != end; ++it, ++index) {
        if (index >= 6)
            ADD_FAILURE() << "more than six dots in a cell";
        else
            cell = cell.With(kOrder[index], (*it)[1] == "&#9679;");
    }
    EXPECT_EQ(index, 6);
    return cell;
}

std::string Unescaped(std::string text) {
    for (auto [entity, ch] :
         {std::pair{"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::string(entity).size(), ch);
    return text;
}

std::vector<ChartEntry> ReadChart(const std::string& page) {
    static const std::regex entry("<td class=\"char\">([^<]*)</td><td>(<table class=\"cell\">.*?"
                                  "</table>)</td><td>(<table class=\"cell\">.*?</table>)</td>"
                                  "<td class=\"dots\">([^<]*)</td>");
    std::vector<ChartEntry> entries;
    for (std::sregex_iterator it(page.begin(), page.end(), entry), end; it != end; ++it)
        entries.push_back({Unescaped((*it)[1]), ReadCell((*it)[2]), ReadCell((*it)[3]), (*it)[4]});
    return entries;
}

std::string Numbers(braille::DotSet cell) {
    return cell.Empty() ? "-" : cell.ToString();
}

} // namespace

TEST(ChartPage, EveryCharacterInTableOrderWithItsTwoCellsDrawnAndNumbered) {
    auto table = braille::AlphabetTable();
    std::vector<ChartEntry> chart = ReadChart(helpchart::ChartPage(table));
    ASSERT_EQ(chart.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(chart[i].text, table[i].text) << "entry " << i;
        EXPECT_EQ(chart[i].first, table[i].first) << table[i].text;
        EXPECT_EQ(chart[i].second, table[i].second) << table[i].text;
        EXPECT_EQ(chart[i].numbers, Numbers(table[i].first) + " / " + Numbers(table[i].second));
    }
}

TEST(ChartPage, APageInWindows1252WithItsLinesClosed) {
    std::string page = helpchart::ChartPage(braille::AlphabetTable());
    EXPECT_NE(page.find("charset=windows-1252"), std::string::npos);
    EXPECT_NE(page.find("Tableau des 103 caract\xE8res"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"char\">\xE9</td>"), std::string::npos) << "é as one byte";
    EXPECT_NE(page.find("<td class=\"char\">&quot;</td>"), std::string::npos);
    auto count = [&](const std::string& tag) {
        std::size_t n = 0;
        for (std::size_t at = 0; (at = page.find(tag, at)) != std::string::npos; at += tag.size())
            ++n;
        return n;
    };
    // 103 entries, three to a line: 35 lines.
    EXPECT_EQ(count("<tr>\n"), 35u);
    EXPECT_EQ(count("</tr>\n"), 35u);
}
