#include "help/rules/Report.h"

#include "help/rules/ReportText.h"

#include <string>

namespace hh_funcs {

namespace {
constexpr std::uint32_t kUsEnglish = 1033;

std::string Tabbed(const std::string& value) {
    return '\t' + value;
}

std::string Hex(std::uint32_t value) {
    std::string hex;
    for (std::uint32_t rest = value; rest != 0 || hex.size() < 4; rest >>= 4)
        hex.insert(hex.begin(), "0123456789ABCDEF"[rest & 0xF]);
    return Tabbed("0x" + hex);
}

std::string Joined(const std::vector<std::string>& parameters) {
    std::string text;
    for (std::size_t i = 0; i < parameters.size(); ++i)
        text += (i ? " | " : "") + parameters[i];
    return text;
}

std::string SystemLine(const ReportFacts& f) {
    return std::string("!Operating System:      ") + (f.ntFamily ? "\tWindows NT" : "\tWindows") +
           ' ' + std::to_string(f.systemMajor) + '.' + std::to_string(f.systemMinor) + '.' +
           std::to_string(f.systemBuild);
}
} // namespace

std::vector<std::string> ReportLines(const ReportFacts& f) {
    std::uint32_t locale = f.locale ? f.locale : kUsEnglish;
    return {
        "!Filename:             " + Tabbed(f.reportFile),
        "!Date:                 " + Tabbed(f.date),
        SystemLine(f),
        "!SysLocale.DefaultLCID: " + Hex(locale),
        "!SysLocale.PriLangID:   " + Hex(locale & 0x3FF),
        "!SysLocale.SubLangID:   " + Hex((locale >> 10) & 0x3F),
        "!DecimalSeparator:      " + Tabbed(f.decimalSeparator),
        "-",
        "!EXE Path =          " + Tabbed(f.exePath),
        "!Cmdline Param(s) =  " + Tabbed(Joined(f.parameters)),
        "!_RunDir =           " + Tabbed(f.runDir),
        "!_ModuleName =       " + Tabbed(f.moduleName),
        "!_ModuleDir =        " + Tabbed(f.moduleDir),
        "-",
        "!_hhInstalled =      " + Tabbed(YesNoText(f.hhInstalled)),
        "!_hhVerStr =         " + Tabbed(f.hhVerStr),
        "!_hhFriendlyVerStr = " + Tabbed(f.hhFriendlyVerStr),
        "-",
        "!_ieInstalled =      " + Tabbed(YesNoText(f.ieInstalled)),
        "!_ieVerStr =         " + Tabbed(f.ieVerStr),
        "!_ieFriendlyVerStr = " + Tabbed(f.ieFriendlyVerStr),
        "=",
    };
}

} // namespace hh_funcs
