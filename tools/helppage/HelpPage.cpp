#include "HelpPage.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace helppage {

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

int RunPageTool(int argc, char** argv, const char* tool,
                const std::function<std::string(const std::string&)>& fill) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PAGE.htm OUTPUT.htm\n", tool);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "%s: cannot read %s\n", tool, argv[1]);
        return 1;
    }
    std::string html;
    try {
        html = fill(page.str());
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s: %s: %s\n", tool, argv[1], error.what());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << html;
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", tool, argv[2]);
        return 1;
    }
    return 0;
}

} // namespace helppage
