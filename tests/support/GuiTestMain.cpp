// Entry point of the Windows test programs: the application object and the
// framework exist for every test, as they do in the program.
#include "GuiTest.h"

#include "framework/core/Application.h"
#include "framework/core/Beep.h"
#include "framework/loading/Framework.h"

#include <gtest/gtest.h>

namespace guitest {
namespace {
int beeps = 0;
}
int BeepCount() {
    return beeps;
}
void ResetBeepCount() {
    beeps = 0;
}
} // namespace guitest

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    fw::TApplication application;
    application.Initialize();
    application.SetTitle("Tests");
    fw::InitializeFramework();
    fw::SetBeepObserver([] { ++guitest::beeps; });
    int result = RUN_ALL_TESTS();
    application.DestroyForms();
    fw::FinalizeFramework();
    return result;
}
