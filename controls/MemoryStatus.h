// The computer's physical memory as the About dialog reports it.
#pragma once

#include "framework/core/FormatSettings.h"

#include <cstdint>
#include <string>

struct MemoryStatus {
    std::uint64_t totalPhysicalBytes = 0;
    // Share of physical memory in use, 0 to 100.
    unsigned memoryLoad = 0;
};

// Asks the platform afresh at each call.
MemoryStatus ReadMemoryStatus();
// Replaces the platform's answer (tests); null gives the platform back.
void SetMemoryStatusSource(MemoryStatus (*source)());

// "Mémoire physique totale : 524 288 Ko": the total in Ko, rounded and
// grouped by threes with the settings' thousands separator.
std::string PhysicalMemoryLine(std::uint64_t totalBytes, const fw::TFormatSettings& settings);
std::string PhysicalMemoryLine(std::uint64_t totalBytes);
// "Ressources système      : 63% libre.": the free share of physical memory.
std::string FreeMemoryLine(unsigned memoryLoad);
