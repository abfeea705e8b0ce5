// Writes the help file's chart page from the alphabet table.
// Usage: helpchart OUTPUT.htm
#include "ChartPage.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: helpchart OUTPUT.htm\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << helpchart::ChartPage(braille::AlphabetTable());
    out.close();
    if (!out) {
        std::fprintf(stderr, "helpchart: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
