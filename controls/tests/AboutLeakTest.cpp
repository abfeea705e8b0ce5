// Opening and closing the About dialog many times leaves no GDI or USER
// object behind and does not make the process grow.
#include "AboutFixture.h"

#include <psapi.h>

#include <iostream>

namespace {

// GetGuiResources is a stub under Wine: the GDI objects are counted in the
// process's GDI handle table instead (PEB + 0xF8, 24-byte entries, the
// entry's type byte at offset 14 is 0 for a free entry).
int LiveGdiObjects() {
    // GCC takes the segment read of NtCurrentTeb for an out-of-bounds access.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
    auto* teb = reinterpret_cast<const BYTE*>(NtCurrentTeb());
#pragma GCC diagnostic pop
    auto* peb = *reinterpret_cast<const BYTE* const*>(teb + 0x60);
    auto* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
    if (!table)
        return -1;
    constexpr int kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
    int count = 0;
    for (int i = 0; i < kEntries; ++i)
        count += table[i * kEntrySize + kTypeOffset] != 0;
    return count;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(window, CountWindow, counter);
    return TRUE;
}

// The USER objects that the dialog makes are windows: all of this thread's.
int LiveWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, LPARAM(&count));
    return count;
}

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

} // namespace

TEST(GdiObjectCount, SeesAnObjectComeAndGo) {
    int before = LiveGdiObjects();
    ASSERT_GT(before, 0);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    EXPECT_EQ(LiveGdiObjects(), before + 1);
    DeleteObject(pen);
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(AboutTest, TwoHundredOpeningsLeaveNothingBehind) {
    auto cycle = [this] {
        ASSERT_TRUE(Open([](TFAbout& dialog) { PressOk(dialog); }));
        guitest::Pump();
    };
    for (int i = 0; i < 3; ++i) // warm-up: caches, fonts, the banner's first load
        cycle();
    int gdi = LiveGdiObjects();
    int windows = LiveWindows();
    SIZE_T workingSet = WorkingSet();
    for (int i = 0; i < 200; ++i)
        cycle();
    EXPECT_EQ(LiveGdiObjects(), gdi);
    EXPECT_EQ(LiveWindows(), windows);
    // Heap pages may settle a little; a leak of even one banner (66 KB) per
    // opening would come to 13 MB.
    auto growth = static_cast<long long>(WorkingSet()) - static_cast<long long>(workingSet);
    EXPECT_LT(growth, 2ll << 20) << "working set grew by " << growth << " bytes";
    std::cout << "GDI objects " << gdi << ", windows " << windows << ", working set growth "
              << growth << " bytes over 200 openings\n";
}
