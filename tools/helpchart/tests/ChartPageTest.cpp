// The chart read back, line by line, and compared with the table.
#include "ChartGroups.h"
#include "ChartPage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct ChartEntry {
    std::string text;
    braille::DotSet first, second;
    std::string numbers;
};

struct ChartLineRead {
    std::vector<ChartEntry> entries;
    bool marked = false;
    std::string shared; // the last column, when the line is marked
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

// The chart's lines: each <tr> of a chart table that holds characters.
std::vector<ChartLineRead> ReadChart(const std::string& page) {
    static const std::regex line("<tr( class=\"shared\")?>(<td class=\"char\">.*?)</tr>\n");
    static const std::regex entry("<td class=\"char\">([^<]*)</td><td>(<table class=\"cell\">.*?"
                                  "</table>)</td><td>(<table class=\"cell\">.*?</table>)</td>"
                                  "<td class=\"dots\">([^<]*)</td>");
    static const std::regex shared("<td class=\"shared\">([^<]*)</td>$");
    std::vector<ChartLineRead> lines;
    for (std::sregex_iterator it(page.begin(), page.end(), line), end; it != end; ++it) {
        ChartLineRead read;
        read.marked = (*it)[1].matched;
        std::string body = (*it)[2];
        for (std::sregex_iterator e(body.begin(), body.end(), entry); e != end; ++e)
            read.entries.push_back(
                {Unescaped((*e)[1]), ReadCell((*e)[2]), ReadCell((*e)[3]), (*e)[4]});
        if (std::smatch m; std::regex_search(body, m, shared))
            read.shared = Unescaped(m[1]);
        lines.push_back(read);
    }
    return lines;
}

std::string Numbers(braille::DotSet cell) {
    return cell.Empty() ? "-" : cell.ToString();
}

std::string HelpChartPage() {
    std::ifstream in(CHART_PAGE, std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    return page.str();
}

const std::string& Chart() {
    static const std::string chart =
        helpchart::ChartPage(HelpChartPage(), braille::AlphabetTable());
    return chart;
}

braille::DotSet Second(std::string_view text) {
    return braille::LookupText(text)->second;
}

} // namespace

TEST(ChartPage, EveryCharacterOnceWithItsTwoCellsDrawnAndNumbered) {
    std::set<std::string> seen;
    for (const ChartLineRead& line : ReadChart(Chart()))
        for (const ChartEntry& entry : line.entries) {
            const braille::AlphabetRow* row = braille::LookupText(entry.text);
            ASSERT_NE(row, nullptr) << entry.text;
            EXPECT_TRUE(seen.insert(entry.text).second) << entry.text << " twice";
            EXPECT_EQ(entry.first, row->first) << entry.text;
            EXPECT_EQ(entry.second, row->second) << entry.text;
            EXPECT_EQ(entry.numbers, Numbers(row->first) + " / " + Numbers(row->second));
        }
    EXPECT_EQ(seen.size(), braille::kAlphabetSize);
}

TEST(ChartPage, ACapitalAndItsSmallFormStandOnOneLine) {
    int pairs = 0;
    for (const ChartLineRead& line : ReadChart(Chart())) {
        ASSERT_GE(line.entries.size(), 1u);
        ASSERT_LE(line.entries.size(), 2u);
        const ChartEntry& last = line.entries.back();
        const braille::AlphabetRow* small = braille::LookupText(last.text);
        if (line.entries.size() == 1) {
            EXPECT_NE(small->caption.value_or(""), "minuscule")
                << last.text << " without its capital";
            continue;
        }
        const ChartEntry& capital = line.entries.front();
        EXPECT_EQ(braille::LookupText(capital.text)->caption, "Majuscule") << capital.text;
        EXPECT_EQ(capital.second, last.second) << capital.text << " beside " << last.text;
        ++pairs;
    }
    EXPECT_EQ(pairs, 40) << "26 letters, 13 accented letters and OE";
}

TEST(ChartPage, GroupsComeInTheOrderTheyAreTaughtAndFollowTheRulesThePageStates) {
    std::vector<std::string> order;
    static const std::regex placeholder("<!--chart:([a-z0-9]+)-->");
    std::string page = HelpChartPage();
    for (std::sregex_iterator it(page.begin(), page.end(), placeholder), end; it != end; ++it)
        order.push_back((*it)[1]);
    EXPECT_EQ(order, (std::vector<std::string>{"serie1", "serie2", "serie3", "serie4", "chiffres",
                                               "signes"}));
    // Series 2, 3 and 4 are the first series with dots added; the first ten
    // signs are the first series written one row lower.
    auto groups = helpchart::ChartGroups();
    auto lower = [](braille::DotSet cell) { return braille::DotSet::FromMask(cell.Mask() << 1); };
    for (std::size_t i = 0; i < 10; ++i) {
        braille::DotSet first = Second(groups[0].lines[i].small);
        EXPECT_FALSE(first.Has(3) || first.Has(6)) << groups[0].lines[i].small;
        EXPECT_EQ(Second(groups[1].lines[i].small), first.With(3, true));
        EXPECT_EQ(Second(groups[2].lines[i].small), first.With(3, true).With(6, true));
        EXPECT_EQ(Second(groups[3].lines[i].small), first.With(6, true));
        EXPECT_EQ(Second(groups[5].lines[i].small), lower(first)) << groups[5].lines[i].small;
    }
}

TEST(ChartPage, CellsThatADigitAndALetterShareAreMarkedWithTheOtherCharacter) {
    std::map<std::string, std::string> marked;
    for (const ChartLineRead& line : ReadChart(Chart()))
        if (line.marked)
            marked[line.entries.back().text] = line.shared;
    const std::map<std::string, std::string> expected = {
        {"1", "\xE2"}, {"2", "\xEA"}, {"3", "\xEE"}, {"4", "\xF4"}, {"5", "\xFB"}, {"6", "\xEB"},
        {"7", "\xEF"}, {"8", "\xFC"}, {"9", "oe"},   {"\xE2", "1"}, {"\xEA", "2"}, {"\xEE", "3"},
        {"\xF4", "4"}, {"\xFB", "5"}, {"\xEB", "6"}, {"\xEF", "7"}, {"\xFC", "8"}, {"oe", "9"}};
    EXPECT_EQ(marked, expected);
    EXPECT_NE(Chart().find("M\xEAme seconde cellule"), std::string::npos);
}

TEST(ChartPage, APageInWindows1252WithEveryPlaceholderFilled) {
    const std::string& page = Chart();
    EXPECT_NE(page.find("charset=windows-1252"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"char\">\xE9</td>"), std::string::npos) << "é as one byte";
    EXPECT_NE(page.find("<td class=\"char\">&quot;</td>"), std::string::npos);
    EXPECT_EQ(page.find("<!--chart:"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"name\">point-virgule</td>"), std::string::npos);
}

TEST(ChartPage, APageThatDoesNotFitTheTableIsRefused) {
    std::string all;
    for (const auto& group : helpchart::ChartGroups())
        all += "<!--chart:" + std::string(group.id) + "-->";
    auto table = braille::AlphabetTable();
    EXPECT_NO_THROW(helpchart::ChartPage(all, table));
    const std::pair<std::string, const char*> refused[] = {
        {all + "<!--chart:serie5-->", "a group that does not exist"},
        {all + "<!--chart:signes-->", "a group twice"},
        {all.substr(all.find("-->") + 3), "a group left out"},
        {all + "<!--chart:signes", "a placeholder not closed"},
    };
    for (const auto& [page, what] : refused)
        EXPECT_THROW(helpchart::ChartPage(page, table), helpchart::ChartError) << what;
    // A table without the paragraph sign: the chart names a row it lacks.
    EXPECT_THROW(helpchart::ChartPage(all, table.first(102)), helpchart::ChartError);
}
