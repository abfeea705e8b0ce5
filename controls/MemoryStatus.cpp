#include "controls/MemoryStatus.h"

#include "framework/core/NumberFormat.h"

#include <windows.h>

#include <algorithm>

namespace {

MemoryStatus (*statusSource)() = nullptr;

MemoryStatus PlatformMemoryStatus() {
    // In a 64-bit program the record's sizes are 64-bit: no 4 GiB ceiling.
    MEMORYSTATUS record{};
    record.dwLength = sizeof record;
    GlobalMemoryStatus(&record);
    return {std::uint64_t(record.dwTotalPhys), unsigned(record.dwMemoryLoad)};
}

} // namespace

MemoryStatus ReadMemoryStatus() {
    return statusSource ? statusSource() : PlatformMemoryStatus();
}

void SetMemoryStatusSource(MemoryStatus (*source)()) {
    statusSource = source;
}

std::string PhysicalMemoryLine(std::uint64_t totalBytes, const fw::TFormatSettings& settings) {
    return "M\xE9moire physique totale : " +
           fw::FormatFloat("#,###' Ko'", double(totalBytes) / 1024.0, settings);
}

std::string PhysicalMemoryLine(std::uint64_t totalBytes) {
    return PhysicalMemoryLine(totalBytes, fw::UserFormatSettings());
}

std::string FreeMemoryLine(unsigned memoryLoad) {
    unsigned freeShare = 100 - std::min(memoryLoad, 100u);
    return "Ressources syst\xE8me      : " + fw::Format("%d%%", int(freeShare)) + " libre.";
}
