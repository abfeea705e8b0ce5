// The paths that the help modules hand to the system's file calls, seen at
// the test program's own imports.
#pragma once

#include "ImportHook.h"

#include <memory>
#include <string>
#include <vector>

namespace helptest {

// While it lives, records every path given to CreateFileW, DeleteFileW,
// GetFileAttributesW, GetShortPathNameW and the version-information calls; the
// calls still go to the system. One at a time.
class FileCalls {
public:
    FileCalls();
    ~FileCalls();
    FileCalls(const FileCalls&) = delete;
    FileCalls& operator=(const FileCalls&) = delete;

    std::vector<std::wstring> paths;
    // The paths given to DeleteFileW alone.
    std::vector<std::wstring> deleted;
    // Run by DeleteFileW before it deletes, when set.
    void (*onDelete)() = nullptr;

private:
    std::vector<std::unique_ptr<guitest::ImportHook>> hooks_;
};

} // namespace helptest
