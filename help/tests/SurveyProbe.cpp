// Starts and ends the two help modules as the program does, with no window:
// tests copy it into a folder of their own and look at what it leaves there.
#include "help/hh.h"
#include "help/hh_funcs.h"

#include <cstdio>

int wmain() {
    hh::Initialize();
    hh_funcs::Initialize();
    std::printf("%s\n", hh::hhLibraryHandle ? "loaded" : "not loaded");
    hh_funcs::Finalize();
    hh::Finalize();
    return 0;
}
