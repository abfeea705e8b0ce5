// What happens to an exception that escapes an event handler.
#pragma once

#include "framework/layout/Exception.h"

#include <exception>

namespace fw {

// Shows the exception in the application's standard message box; the
// message loop then goes on.
void ReportHandlerException(std::exception_ptr error);

} // namespace fw
