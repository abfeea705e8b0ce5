#include "ResourceCount.h"

#include <windows.h>
#include <winternl.h>

#include <cstring>

namespace guitest {

namespace {

// The 64-bit layout: the table's address at offset 0xF8 of the process
// environment block, 65,536 entries of 24 bytes, the entry's 8-bit
// generation at offset 13 and its object type at 14 (0 for a free entry).
constexpr std::size_t kTableOffset = 0xF8;
constexpr std::size_t kEntries = 0x10000;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kGenerationOffset = 13;
constexpr std::size_t kTypeOffset = 14;

const unsigned char* HandleTable() {
    auto* peb = reinterpret_cast<const unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const unsigned char* table = nullptr;
    std::memcpy(&table, peb + kTableOffset, sizeof table);
    return table;
}

std::vector<std::uint8_t> Generations() {
    const unsigned char* table = HandleTable();
    std::vector<std::uint8_t> generations(kEntries);
    for (std::size_t i = 0; i < kEntries; ++i)
        generations[i] = table[i * kEntrySize + kGenerationOffset];
    return generations;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}

int drawingObjectsMade = 0;
decltype(&CreatePen) realCreatePen;
decltype(&CreateSolidBrush) realCreateSolidBrush;
decltype(&CreateBrushIndirect) realCreateBrushIndirect;
decltype(&CreateFontIndirectW) realCreateFontIndirectW;

HPEN WINAPI CountedCreatePen(int style, int width, COLORREF color) {
    ++drawingObjectsMade;
    return realCreatePen(style, width, color);
}
HBRUSH WINAPI CountedCreateSolidBrush(COLORREF color) {
    ++drawingObjectsMade;
    return realCreateSolidBrush(color);
}
HBRUSH WINAPI CountedCreateBrushIndirect(const LOGBRUSH* brush) {
    ++drawingObjectsMade;
    return realCreateBrushIndirect(brush);
}
HFONT WINAPI CountedCreateFontIndirectW(const LOGFONTW* font) {
    ++drawingObjectsMade;
    return realCreateFontIndirectW(font);
}

// The program's import address entry for `function` of gdi32.
void** GdiImport(const char* function) {
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; library->Name; ++library) {
        if (_stricmp(reinterpret_cast<const char*>(base + library->Name), "gdi32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* entries = reinterpret_cast<void**>(base + library->FirstThunk);
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

// Points the import of `function` at `replacement`; returns what it pointed at.
template <class F> F Redirect(const char* function, F replacement) {
    void** entry = GdiImport(function);
    if (!entry)
        return nullptr; // the program never calls it
    DWORD protection;
    VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection);
    F previous = reinterpret_cast<F>(*entry);
    *entry = reinterpret_cast<void*>(replacement);
    VirtualProtect(entry, sizeof *entry, protection, &protection);
    return previous;
}

} // namespace

DrawingObjectCreations::DrawingObjectCreations() {
    drawingObjectsMade = 0;
    realCreatePen = Redirect("CreatePen", &CountedCreatePen);
    realCreateSolidBrush = Redirect("CreateSolidBrush", &CountedCreateSolidBrush);
    realCreateBrushIndirect = Redirect("CreateBrushIndirect", &CountedCreateBrushIndirect);
    realCreateFontIndirectW = Redirect("CreateFontIndirectW", &CountedCreateFontIndirectW);
}

DrawingObjectCreations::~DrawingObjectCreations() {
    if (realCreatePen)
        Redirect("CreatePen", realCreatePen);
    if (realCreateSolidBrush)
        Redirect("CreateSolidBrush", realCreateSolidBrush);
    if (realCreateBrushIndirect)
        Redirect("CreateBrushIndirect", realCreateBrushIndirect);
    if (realCreateFontIndirectW)
        Redirect("CreateFontIndirectW", realCreateFontIndirectW);
}

int DrawingObjectCreations::Since() const {
    return drawingObjectsMade;
}

int LiveGdiObjects() {
    const unsigned char* table = HandleTable();
    int live = 0;
    for (std::size_t i = 0; i < kEntries; ++i)
        live += table[i * kEntrySize + kTypeOffset] != 0;
    return live;
}

GdiCreations::GdiCreations() : generations_(Generations()) {}

int GdiCreations::Since() const {
    std::vector<std::uint8_t> now = Generations();
    int created = 0;
    for (std::size_t i = 0; i < kEntries; ++i)
        created += std::uint8_t(now[i] - generations_[i]);
    return created;
}

int LiveWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, LPARAM(&count));
    return count;
}

} // namespace guitest
