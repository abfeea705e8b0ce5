// Writes the help file's chart page: the page given, its placeholders filled
// from the alphabet table.
// Usage: helpchart PAGE.htm OUTPUT.htm
#include "ChartPage.h"
#include "HelpPage.h"

int main(int argc, char** argv) {
    return helppage::RunPageTool(argc, argv, "helpchart", [](const std::string& page) {
        return helpchart::ChartPage(page, braille::AlphabetTable());
    });
}
