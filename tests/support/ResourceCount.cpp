#include "ResourceCount.h"

#include "ImportHook.h"

#include <windows.h>
#include <winternl.h>

#include <cstring>
#include <memory>

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

std::vector<std::unique_ptr<ImportHook>> drawingObjectHooks;

// Points the import of `function` at `replacement`; returns what it pointed at.
template <class F> F Redirect(const char* function, F replacement) {
    auto& hook = drawingObjectHooks.emplace_back(
        std::make_unique<ImportHook>("gdi32.dll", function, reinterpret_cast<void*>(replacement)));
    return hook->Original<F>();
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
    drawingObjectHooks.clear();
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
