// The memory lines for chosen figures and separators.
#include "controls/MemoryStatus.h"

#include <gtest/gtest.h>

TEST(MemoryLine, PhysicalMemoryInKoGroupedWithTheSettingsSeparator) {
    const std::string lead = "M\xE9moire physique totale : ";
    struct {
        std::uint64_t bytes;
        std::wstring separator;
        std::string expected;
    } const cases[] = {
        {0, L",", "0 Ko"},
        {512ull << 20, L",", "524,288 Ko"},
        {512ull << 20, L".", "524.288 Ko"},
        {512ull << 20, L"\u00A0",
         "524\xA0"
         "288 Ko"},
        {512ull << 20, L"\u202F",
         "524\xA0"
         "288 Ko"},
        {4ull << 30, L",", "4,194,304 Ko"},
        {24ull << 30, L".", "25.165.824 Ko"},
        {25276157952ull, L",", "24,683,748 Ko"}, // beyond 32 bits, whole
        {1535, L",", "1 Ko"},                    // 1.499 rounds down
        {1536, L",", "2 Ko"},                    // 1.5 rounds up
    };
    for (const auto& c : cases) {
        fw::TFormatSettings settings{fw::SeparatorText(c.separator), ","};
        EXPECT_EQ(PhysicalMemoryLine(c.bytes, settings), lead + c.expected) << c.bytes;
    }
}

TEST(MemoryLine, ResourcesLineGivesTheFreeShare) {
    const std::string lead = "Ressources syst\xE8me      : ";
    // The About box shows the two lines one above the other: their colons line up.
    EXPECT_EQ(FreeMemoryLine(0).find(':'), PhysicalMemoryLine(0, fw::TFormatSettings{}).find(':'));
    EXPECT_EQ(FreeMemoryLine(0), lead + "100% libre.");
    EXPECT_EQ(FreeMemoryLine(37), lead + "63% libre.");
    EXPECT_EQ(FreeMemoryLine(100), lead + "0% libre.");
    EXPECT_EQ(FreeMemoryLine(250), lead + "0% libre.");
}
