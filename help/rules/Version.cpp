#include "help/rules/Version.h"

#include <tuple>

namespace hh_funcs {

FileVersion VersionFromWords(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
    return {static_cast<std::uint16_t>(mostSignificant >> 16),
            static_cast<std::uint16_t>(mostSignificant & 0xFFFF),
            static_cast<std::uint16_t>(leastSignificant >> 16),
            static_cast<std::uint16_t>(leastSignificant & 0xFFFF)};
}

int CompareVersions(const FileVersion& a, const FileVersion& b) {
    auto left = std::tie(a.major, a.minor, a.release, a.build);
    auto right = std::tie(b.major, b.minor, b.release, b.build);
    if (left == right)
        return 0;
    return left > right ? 1 : -1;
}

std::string VersionText(const FileVersion& v) {
    return std::to_string(v.major) + '.' + std::to_string(v.minor) + '.' +
           std::to_string(v.release) + '.' + std::to_string(v.build);
}

FileVersion FromOldBrowserNumbering(const FileVersion& v) {
    if (v.major == 4 && v.minor <= 70 && v.release == 0)
        return {v.major, v.minor, v.build, 0};
    return v;
}

} // namespace hh_funcs
