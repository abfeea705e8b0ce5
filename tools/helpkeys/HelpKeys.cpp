// Writes the help file's page on the keyboard: the page given, its picture of
// the six keys drawn from the program's table of keys.
// Usage: helpkeys PAGE.htm OUTPUT.htm
#include "HelpPage.h"
#include "KeysPicture.h"

int main(int argc, char** argv) {
    return helppage::RunPageTool(argc, argv, "helpkeys", [](const std::string& page) {
        return helpkeys::KeysPage(page, braille::kWriterKeys);
    });
}
