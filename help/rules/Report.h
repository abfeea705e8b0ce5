// The 22 lines of the start-up debug report, from what the survey found.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hh_funcs {

// Every text is Windows-1252, as the report is written.
struct ReportFacts {
    std::string reportFile;
    std::string date;
    bool ntFamily = true;
    unsigned systemMajor = 0, systemMinor = 0, systemBuild = 0;
    std::uint32_t locale = 0; // 0: the system gave none
    std::string decimalSeparator;
    std::string exePath;
    std::vector<std::string> parameters;
    std::string runDir, moduleName, moduleDir;
    bool hhInstalled = false;
    std::string hhVerStr, hhFriendlyVerStr;
    bool ieInstalled = false;
    std::string ieVerStr, ieFriendlyVerStr;
};

// The lines before shaping (see ShapeReportLine): each value follows a tab.
std::vector<std::string> ReportLines(const ReportFacts& facts);

} // namespace hh_funcs
