// The picture of the six keys read back and compared with the key tables that
// drew it.
#include "KeysPicture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <vector>

namespace {

using braille::WriterKey;

// Scan codes of the home row, set 1, as every PC keyboard sends them.
constexpr unsigned kA = 0x1E, kS = 0x1F, kD = 0x20, kF = 0x21, kJ = 0x24, kK = 0x25, kL = 0x26,
                   kSemicolon = 0x27, kSpace = 0x39;

std::vector<std::string> Captures(const std::string& row, const char* pattern) {
    std::vector<std::string> found;
    const std::regex cell(pattern);
    for (std::sregex_iterator it(row.begin(), row.end(), cell), end; it != end; ++it)
        found.push_back((*it)[1]);
    return found;
}

// A small cell of the row: the one dot that it shows raised, 0 for none.
int RaisedDot(const std::string& cell) {
    constexpr int kOrder[] = {1, 4, 2, 5, 3, 6};
    auto discs = Captures(cell, "<td>(&#9679;|&#9675;)</td>");
    if (discs.empty())
        return 0;
    EXPECT_EQ(discs.size(), 6u);
    int dot = 0;
    for (std::size_t at = 0; at < discs.size() && at < 6; ++at)
        if (discs[at] == "&#9679;") {
            EXPECT_EQ(dot, 0) << "two dots raised under one key";
            dot = kOrder[at];
        }
    return dot;
}

struct RowRead {
    std::string hands;              // "main gauche:4 main droite:4"
    std::map<std::string, int> dot; // key -> dot number written under it (0: none)
    std::vector<std::string> keys;  // left to right
};

RowRead ReadRow(const std::string& picture) {
    std::smatch table;
    EXPECT_TRUE(std::regex_search(picture, table,
                                  std::regex("<table class=\"writer\"[^>]*>([\\s\\S]*?)</table>\n"
                                             "<table class=\"writercell\"")));
    // The row's own lines end a line of the page; those of the small cells do not.
    std::vector<std::string> rows = Captures(table[1], "<tr>([\\s\\S]*?)</tr>\n");
    EXPECT_EQ(rows.size(), 4u);
    RowRead read;
    if (rows.size() != 4)
        return read;
    const std::regex hand("colspan=\"(\\d+)\">([^<]*)<");
    for (std::sregex_iterator it(rows[0].begin(), rows[0].end(), hand), end; it != end; ++it)
        read.hands += (read.hands.empty() ? "" : " ") + (*it)[2].str() + ":" + (*it)[1].str();
    read.keys = Captures(rows[1], "<td class=\"key[^\"]*\">([^<]*)</td>");
    auto numbers = Captures(rows[2], "<td class=\"dot\">([^<]*)</td>");
    auto cells = Captures(rows[3], "<td>((?:<table class=\"cell\">[\\s\\S]*?</table>)?)</td>");
    EXPECT_EQ(numbers.size(), read.keys.size());
    EXPECT_EQ(cells.size(), read.keys.size());
    for (std::size_t at = 0; at < read.keys.size() && at < numbers.size() && at < cells.size();
         ++at) {
        int number = numbers[at].empty() ? 0 : std::stoi(numbers[at]);
        EXPECT_EQ(RaisedDot(cells[at]), number) << "under " << read.keys[at];
        read.dot[read.keys[at]] = number;
    }
    return read;
}

// The big cell, row by row: "F 1 4 J".
std::vector<std::string> ReadBigCell(const std::string& picture) {
    std::vector<std::string> rows;
    const std::regex row("<tr[^>]*><td class=\"key\">([^<]*)</td><td class=\"number\">(\\d)</td>"
                         "<td class=\"in l\">&#9679;</td><td class=\"in r\">&#9679;</td>"
                         "<td class=\"number\">(\\d)</td><td class=\"key\">([^<]*)</td></tr>");
    for (std::sregex_iterator it(picture.begin(), picture.end(), row), end; it != end; ++it)
        rows.push_back((*it)[1].str() + " " + (*it)[2].str() + " " + (*it)[3].str() + " " +
                       (*it)[4].str());
    return rows;
}

std::string TextAlternative(const std::string& picture) {
    std::smatch label;
    EXPECT_TRUE(
        std::regex_search(picture, label, std::regex("role=\"img\" aria-label=\"([^\"]+)\"")));
    return label[1];
}

struct Case {
    const char* what;
    std::vector<WriterKey> keys;
    std::vector<std::string> row;
    std::map<std::string, int> dots;
    std::string hands;
    std::vector<std::string> bigCell;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.what;
}

class KeysPictureTest : public testing::TestWithParam<Case> {};

TEST_P(KeysPictureTest, ShowsEachKeyWithTheDotThatItWrites) {
    const Case& c = GetParam();
    const std::string picture = helpkeys::KeysPicture(c.keys);
    RowRead row = ReadRow(picture);
    EXPECT_EQ(row.keys, c.row);
    EXPECT_EQ(row.hands, c.hands);
    for (const auto& [key, dot] : c.dots)
        EXPECT_EQ(row.dot[key], dot) << key;
    EXPECT_EQ(ReadBigCell(picture), c.bigCell);
    const std::string alt = TextAlternative(picture);
    for (const auto& [key, dot] : c.dots) {
        if (dot == 0)
            continue;
        const std::string said = key + " \xE9" + "crit le point " + std::to_string(dot);
        EXPECT_NE(alt.find(said), std::string::npos) << alt;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, KeysPictureTest,
    testing::Values(
        Case{"the program's own",
             {braille::kWriterKeys.begin(), braille::kWriterKeys.end()},
             {"S", "D", "F", "G", "H", "J", "K", "L"},
             {{"F", 1}, {"D", 2}, {"S", 3}, {"J", 4}, {"K", 5}, {"L", 6}, {"G", 0}, {"H", 0}},
             "main gauche:4 main droite:4",
             {"F 1 4 J", "D 2 5 K", "S 3 6 L"}},
        Case{"one key further out on each side",
             {{1, kD}, {2, kS}, {3, kA}, {4, kK}, {5, kL}, {6, kSemicolon}},
             {"Q (A)", "S", "D", "F", "G", "H", "J", "K", "L", "M (;)"},
             {{"D", 1},
              {"S", 2},
              {"Q (A)", 3},
              {"K", 4},
              {"L", 5},
              {"M (;)", 6},
              {"F", 0},
              {"J", 0}},
             "main gauche:5 main droite:5",
             {"D 1 4 K", "S 2 5 L", "Q (A) 3 6 M (;)"}}),
    [](const testing::TestParamInfo<Case>& info) { return info.index == 0 ? "Program" : "Wider"; });

TEST(KeysPicture, RefusesATableItCannotDraw) {
    const std::vector<std::vector<WriterKey>> tables = {
        {{1, kF}, {2, kD}, {3, kS}, {4, kJ}, {5, kK}, {6, kSpace}},     // off the home row
        {{1, kF}, {2, kD}, {3, kS}, {4, kJ}, {5, kK}, {5, kL}},         // dot 6 without a key
        {{1, kF}, {2, kD}, {3, kS}, {4, kJ}, {5, kK}},                  // five keys
        {{1, kF}, {2, kD}, {3, kS}, {4, kJ}, {5, kK}, {6, kL}, {6, kA}} // two keys for dot 6
    };
    for (const auto& table : tables)
        EXPECT_THROW(helpkeys::KeysPicture(table), helpkeys::PictureError) << table.size();
}

TEST(KeysPage, PutsThePictureInItsOnePlace) {
    const std::string page =
        helpkeys::KeysPage("<p>avant</p><!--keys--><p>apr\xE8s</p>", braille::kWriterKeys);
    EXPECT_EQ(page.find("<p>avant</p><div class=\"writerkeys\""), 0u);
    EXPECT_NE(page.find("</div><p>apr\xE8s</p>"), std::string::npos);
    EXPECT_THROW(helpkeys::KeysPage("<p>nulle part</p>", braille::kWriterKeys),
                 helpkeys::PictureError);
    EXPECT_THROW(helpkeys::KeysPage("<!--keys--><!--keys-->", braille::kWriterKeys),
                 helpkeys::PictureError);
}

TEST(KeysPage, TheHelpFilesKeyboardPageHasAPlaceForThePicture) {
    std::ifstream in(KEYS_PAGE, std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    ASSERT_TRUE(in) << KEYS_PAGE;
    const std::string html = helpkeys::KeysPage(page.str(), braille::kWriterKeys);
    EXPECT_EQ(ReadBigCell(html).size(), 3u);
}

} // namespace
