// What happens to an exception that escapes an event handler.
#pragma once

#include <exception>
#include <stdexcept>

namespace fw {

// The framework's general exception class. Everything the framework throws
// for a failure outside the program's control derives from it: a window that
// cannot be made, a missing resource, a broken layout. Programming errors
// (std::logic_error) do not.
using Exception = std::runtime_error;

// Shows the exception in the application's standard message box; the
// message loop then goes on.
void ReportHandlerException(std::exception_ptr error);

} // namespace fw
