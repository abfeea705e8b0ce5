// The 103 characters checked against liblouis, the Braille translator of screen
// readers, with its uncontracted French table (2008 unified code): a reference that
// owes nothing to this program's own tables. Where the program writes a sign
// otherwise on purpose, the sign is named below with both its forms, so that any
// other difference, or a change in one of these, fails.
#include "braille/AlphabetTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace braille {
namespace {

constexpr const char* kTranslate = "lou_translate --forward unicode.dis,fr-bfu-comp6.utb";

// Cells in sequence, one " / " apart, each as the alphabet writes it ("4 6 / 1").
// A character written without prefix is one cell: the program's empty first cell is
// no cell of the text.
std::string Written(const std::vector<DotSet>& cells) {
    std::string text;
    for (DotSet cell : cells)
        text += (text.empty() ? "" : " / ") + cell.ToString();
    return text;
}

std::string ProgramCells(const AlphabetRow& row) {
    if (row.first.Empty())
        return Written({row.second});
    return Written({row.first, row.second});
}

// The signs the program writes otherwise than the 2008 code, as liblouis gives them
// and as the program shows them.
struct Difference {
    std::string_view text;
    std::string_view liblouis;
    std::string_view program;
};
constexpr Difference kDifferences[] = {
    {".", "2 5 6", "3"}, {"/", "3 4", "2 5 6"}, {"\xA7", "5 / 1 2 3 4", "3 4 6"}, // §
};

// The text liblouis is asked for. "OE" and "oe" are typed as two letters but stand
// for the letter œ, which liblouis would otherwise spell out as o and e.
std::string Utf8Of(std::string_view text) {
    if (text == "OE")
        return "\xC5\x92"; // Œ
    if (text == "oe")
        return "\xC5\x93"; // œ
    std::string utf8;
    for (unsigned char c : text) {
        // The table's characters are ASCII or Latin-1: the same code point.
        if (c >= 0x80 && c < 0xA0)
            throw std::invalid_argument("not a Latin-1 character");
        if (c < 0x80) {
            utf8 += char(c);
        } else {
            utf8 += char(0xC0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

// Unicode Braille patterns (U+2800 + dot bits, dot n = bit n-1) back into cells.
std::vector<DotSet> CellsOf(const std::string& utf8) {
    std::vector<DotSet> cells;
    for (std::size_t i = 0; i < utf8.size(); i += 3) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(utf8[i + k]); };
        if (i + 2 >= utf8.size() || byte(0) != 0xE2 || (byte(1) & 0xFC) != 0xA0)
            throw std::runtime_error("not a six-dot Braille pattern: " + utf8);
        const unsigned bits = ((byte(1) & 0x03) << 6) | (byte(2) & 0x3F);
        if (bits >= DotSet::kMaskLimit)
            throw std::runtime_error("an eight-dot pattern: " + utf8);
        cells.push_back(DotSet::FromMask(bits));
    }
    return cells;
}

// Each line translated on its own, one line of output per line of input.
std::vector<std::string> Translate(const std::vector<std::string>& lines) {
    char path[] = "/tmp/sixpointe-louis-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        throw std::runtime_error("no temporary file");
    close(fd);
    {
        std::ofstream input(path);
        for (const std::string& line : lines)
            input << line << '\n';
    }
    const std::string command = std::string(kTranslate) + " < " + path;
    FILE* pipe = popen(command.c_str(), "r");
    std::vector<std::string> output;
    std::string line;
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;) {
        if (c == '\n') {
            output.push_back(line);
            line.clear();
        } else {
            line += char(c);
        }
    }
    const int status = pipe ? pclose(pipe) : -1;
    std::remove(path);
    if (status != 0)
        throw std::runtime_error(std::string(kTranslate) +
                                 " failed: liblouis-bin is installed by scripts/setup");
    return output;
}

TEST(LiblouisOracleTest, EveryCharacterIsWrittenAsLiblouisWritesItOrIsANamedDifference) {
    std::vector<std::string> texts;
    for (const AlphabetRow& row : AlphabetTable())
        texts.push_back(Utf8Of(row.text));
    const std::vector<std::string> translated = Translate(texts);
    ASSERT_EQ(translated.size(), kAlphabetSize);

    std::map<std::string_view, const Difference*> differences;
    for (const Difference& difference : kDifferences)
        differences[difference.text] = &difference;
    std::size_t named = 0;
    for (std::size_t i = 0; i < kAlphabetSize; ++i) {
        const AlphabetRow& row = AlphabetTable()[i];
        SCOPED_TRACE("row " + std::to_string(i + 1) + " \"" + texts[i] + "\"");
        const std::string liblouis = Written(CellsOf(translated[i]));
        const auto difference = differences.find(row.text);
        if (difference == differences.end()) {
            EXPECT_EQ(ProgramCells(row), liblouis);
            continue;
        }
        ++named;
        EXPECT_EQ(liblouis, difference->second->liblouis) << "liblouis";
        EXPECT_EQ(ProgramCells(row), difference->second->program) << "the program";
    }
    EXPECT_EQ(named, std::size(kDifferences)) << "a named difference is no row of the table";
}

} // namespace
} // namespace braille
