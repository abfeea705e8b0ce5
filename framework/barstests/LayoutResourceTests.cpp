// A form's layout is read from the program's resources, where the build
// stores it compiled. A resource of that name that holds something else, or
// none at all, is a broken layout: the form gets nothing from it, and the
// fault names the layout's file.
#include "FormTest.h"

#include "framework/loading/LayoutLoader.h"

#include <gtest/gtest.h>

#include <string>

using guitest::FormTest;

namespace {

struct Refused {
    const char* file;
    const char* message;
};

TEST_F(FormTest, ALayoutResourceThatIsNoCompiledLayoutIsRefusedByItsFileName) {
    const Refused cases[] = {
        // A packed resource, but a picture: what a layout packed without
        // being compiled would look like to the program as well.
        {"Toolbar", "Toolbar:0: not a compiled layout (unknown header)"},
        {"Nowhere.layout", "Nowhere.layout:0: layout not found in the program's resources"},
    };
    for (const Refused& c : cases) {
        try {
            fw::LoadLayoutResource(*form, c.file, fw::HandlerTable());
            ADD_FAILURE() << c.file << " was taken for a layout";
        } catch (const layout::ParseError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        EXPECT_EQ(form->ComponentCount(), 0) << c.file;
        EXPECT_EQ(form->Name(), "") << c.file;
    }
}

} // namespace
