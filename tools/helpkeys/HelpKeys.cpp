// Writes the help file's page on the keyboard: the page given, its picture of
// the six keys drawn from the program's table of keys.
// Usage: helpkeys PAGE.htm OUTPUT.htm
#include "KeysPicture.h"

#include <cstdio>
#include <fstream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: helpkeys PAGE.htm OUTPUT.htm\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "helpkeys: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string html;
    try {
        html = helpkeys::KeysPage(page.str(), braille::kWriterKeys);
    } catch (const helpkeys::PictureError& error) {
        std::fprintf(stderr, "helpkeys: %s: %s\n", argv[1], error.what());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << html;
    out.close();
    if (!out) {
        std::fprintf(stderr, "helpkeys: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
