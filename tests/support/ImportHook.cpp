#include "ImportHook.h"

#include <windows.h>

#include <cstring>

namespace guitest {

namespace {

// The program's import address entry for `function` of `library`.
void** ImportEntry(const char* library, const char* function) {
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; module->Name; ++module) {
        if (_stricmp(reinterpret_cast<const char*>(base + module->Name), library) != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* entries = reinterpret_cast<void**>(base + module->FirstThunk);
        for (int i = 0; names[i].u1.AddressOfData; ++i) {
            if (IMAGE_SNAP_BY_ORDINAL(names[i].u1.Ordinal))
                continue;
            auto* name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names[i].u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(name->Name), function) == 0)
                return &entries[i];
        }
    }
    return nullptr;
}

void* Exchange(void** entry, void* value) {
    DWORD protection;
    VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection);
    void* previous = *entry;
    *entry = value;
    VirtualProtect(entry, sizeof *entry, protection, &protection);
    return previous;
}

} // namespace

ImportHook::ImportHook(const char* library, const char* function, void* replacement)
    : entry_(ImportEntry(library, function)) {
    if (entry_)
        original_ = Exchange(entry_, replacement);
}

ImportHook::~ImportHook() {
    if (entry_)
        Exchange(entry_, original_);
}

} // namespace guitest
