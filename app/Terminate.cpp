// What ends the program when an exception escapes everything.
//
// The C++ runtime's own handler writes the exception's type, demangled, to the
// standard error, which a windowed program does not have, and it brings a
// 45 KB demangler into the program file, which Wine reads at every start.
// Every message is handled inside the framework's exception box, so this is
// reached only on a fault: end at once, as the runtime's handler does after
// its message.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
