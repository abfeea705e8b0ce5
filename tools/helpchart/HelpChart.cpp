// Writes the help file's chart page: the page given, its placeholders filled
// from the alphabet table.
// Usage: helpchart PAGE.htm OUTPUT.htm
#include "ChartPage.h"

#include <cstdio>
#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: helpchart PAGE.htm OUTPUT.htm\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "helpchart: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string html;
    try {
        html = helpchart::ChartPage(page.str(), braille::AlphabetTable());
    } catch (const helpchart::ChartError& error) {
        std::fprintf(stderr, "helpchart: %s: %s\n", argv[1], error.what());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << html;
    out.close();
    if (!out) {
        std::fprintf(stderr, "helpchart: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
