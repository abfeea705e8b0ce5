// What happens to an exception that escapes an event handler.
#pragma once

#include "framework/layout/Exception.h"

#include <exception>
#include <utility>

namespace fw {

// Shows the exception in the application's standard message box; the
// message loop then goes on. Throws nothing.
void ReportHandlerException(std::exception_ptr error) noexcept;

// Runs `work` behind the same barrier as an event handler: whatever it
// throws is shown by ReportHandlerException and goes no further, so that no
// fault reaches the system (which would end the program). False when it threw.
template <class Work> bool RunGuarded(Work&& work) noexcept {
    try {
        std::forward<Work>(work)();
        return true;
    } catch (...) {
        ReportHandlerException(std::current_exception());
        return false;
    }
}

} // namespace fw
