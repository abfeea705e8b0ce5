#include "FileCalls.h"

#include <windows.h>

namespace helptest {

namespace {

FileCalls* current = nullptr;
decltype(&CreateFileW) realCreateFile;
decltype(&DeleteFileW) realDeleteFile;
decltype(&GetFileAttributesW) realGetFileAttributes;
decltype(&GetShortPathNameW) realGetShortPathName;
decltype(&GetFileVersionInfoSizeW) realGetFileVersionInfoSize;
decltype(&GetFileVersionInfoW) realGetFileVersionInfo;

void Record(const wchar_t* path) {
    current->paths.emplace_back(path ? path : L"(null)");
}

HANDLE WINAPI RecordCreateFile(LPCWSTR path, DWORD access, DWORD share,
                               LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                               HANDLE model) {
    Record(path);
    return realCreateFile(path, access, share, security, disposition, flags, model);
}
BOOL WINAPI RecordDeleteFile(LPCWSTR path) {
    Record(path);
    current->deleted.emplace_back(path);
    if (current->onDelete)
        current->onDelete();
    return realDeleteFile(path);
}
DWORD WINAPI RecordGetFileAttributes(LPCWSTR path) {
    Record(path);
    return realGetFileAttributes(path);
}
DWORD WINAPI RecordGetShortPathName(LPCWSTR path, LPWSTR buffer, DWORD size) {
    Record(path);
    return realGetShortPathName(path, buffer, size);
}
DWORD WINAPI RecordGetFileVersionInfoSize(LPCWSTR path, LPDWORD handle) {
    Record(path);
    return realGetFileVersionInfoSize(path, handle);
}
BOOL WINAPI RecordGetFileVersionInfo(LPCWSTR path, DWORD handle, DWORD size, LPVOID data) {
    Record(path);
    return realGetFileVersionInfo(path, handle, size, data);
}

template <class F>
F Hook(std::vector<std::unique_ptr<guitest::ImportHook>>& hooks, const char* library,
       const char* function, F replacement) {
    auto& hook = hooks.emplace_back(std::make_unique<guitest::ImportHook>(
        library, function, reinterpret_cast<void*>(replacement)));
    return hook->Original<F>();
}

} // namespace

FileCalls::FileCalls() {
    current = this;
    realCreateFile = Hook(hooks_, "kernel32.dll", "CreateFileW", &RecordCreateFile);
    realDeleteFile = Hook(hooks_, "kernel32.dll", "DeleteFileW", &RecordDeleteFile);
    realGetFileAttributes =
        Hook(hooks_, "kernel32.dll", "GetFileAttributesW", &RecordGetFileAttributes);
    realGetShortPathName =
        Hook(hooks_, "kernel32.dll", "GetShortPathNameW", &RecordGetShortPathName);
    realGetFileVersionInfoSize =
        Hook(hooks_, "version.dll", "GetFileVersionInfoSizeW", &RecordGetFileVersionInfoSize);
    realGetFileVersionInfo =
        Hook(hooks_, "version.dll", "GetFileVersionInfoW", &RecordGetFileVersionInfo);
}

FileCalls::~FileCalls() {
    hooks_.clear();
    current = nullptr;
}

} // namespace helptest
