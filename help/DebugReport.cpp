#include "help/DebugReport.h"

#include "framework/core/Text.h"
#include "help/Files.h"
#include "help/hh_funcs.h"
#include "help/rules/Report.h"
#include "help/rules/ReportText.h"

#include <windows.h>

#include <string>

namespace hh_funcs {

namespace {

// A character that Windows-1252 cannot hold shows as "?", as Windows writes it.
std::string Readable(std::wstring_view text) {
    return fw::FromWide(text, '?');
}

std::wstring ReportPath() {
    return _DebugDir + _DebugFile;
}

std::wstring LocaleText(LCTYPE type) {
    wchar_t text[16] = {};
    return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 16) ? text : L"";
}

std::string Now() {
    wchar_t date[128] = {}, time[128] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 128);
    return Readable(std::wstring(date) + L" " + time);
}

void AddSystem(ReportFacts& facts) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    facts.ntFamily = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    facts.systemMajor = info.dwMajorVersion;
    facts.systemMinor = info.dwMinorVersion;
    facts.systemBuild = info.dwBuildNumber & 0xFFFF;
    facts.locale = GetThreadLocale();
    facts.decimalSeparator = Readable(LocaleText(LOCALE_SDECIMAL));
}

ReportFacts GatherFacts() {
    ReportFacts facts;
    facts.reportFile = Readable(ReportPath());
    facts.date = Now();
    AddSystem(facts);
    std::vector<std::wstring> items = CommandLineItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == 0)
            facts.exePath = Readable(items[0]);
        else
            facts.parameters.push_back(Readable(items[i]));
    }
    facts.runDir = Readable(_RunDir);
    facts.moduleName = Readable(_ModuleName);
    facts.moduleDir = Readable(_ModuleDir);
    facts.hhInstalled = _hhInstalled;
    facts.hhVerStr = _hhVerStr;
    facts.hhFriendlyVerStr = _hhFriendlyVerStr;
    facts.ieInstalled = _ieInstalled;
    facts.ieVerStr = _ieVerStr;
    facts.ieFriendlyVerStr = _ieFriendlyVerStr;
    return facts;
}

} // namespace

void AppendDebugLine(std::string_view line) {
    HANDLE file = CreateFileW(ForFileCall(ReportPath()).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string text = ShapeReportLine(line) + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    FlushFileBuffers(file);
    CloseHandle(file);
}

void WriteDebugReport() {
    std::wstring path = ForFileCall(ReportPath());
    // A report that stays (locked, read-only) is left as it is: the new lines
    // must not be mixed into it.
    if (FileExists(path) && !DeleteFileW(path.c_str()))
        return;
    if (!_DebugOn)
        return;
    for (const std::string& line : ReportLines(GatherFacts()))
        AppendDebugLine(line);
}

} // namespace hh_funcs
