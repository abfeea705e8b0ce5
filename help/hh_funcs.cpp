#include "help/hh_funcs.h"

#include "help/DebugReport.h"
#include "help/FileVersionInfo.h"
#include "help/Files.h"
#include "help/hh.h"
#include "help/rules/FriendlyNames.h"
#include "help/rules/Paths.h"
#include "help/rules/ReportText.h"

namespace hh_funcs {

std::wstring _ModulePath;
std::wstring _ModuleDir;
std::wstring _ModuleName;
std::wstring _RunDir;
std::wstring _DebugDir;
const std::wstring _DebugFile = L"\\HHDebug.txt";
bool _DebugOn = false;
FileVersion _hhVersion;
std::string _hhVerStr;
bool _hhInstalled = false;
std::string _hhFriendlyVerStr;
std::string _ieVerStr;
bool _ieInstalled = false;
std::string _ieFriendlyVerStr;

namespace {

bool DebugSwitchOn() {
    if (FileExists(_ModuleDir + L"\\debug.debug"))
        return true;
    std::vector<std::wstring> items = CommandLineItems();
    for (std::size_t i = 1; i < items.size(); ++i)
        if (IsDebugSwitch(items[i]))
            return true;
    return false;
}

} // namespace

void SurveyHelpEnvironment() {
    _ModulePath = ProgramFilePath();
    _ModuleDir = DirectoryPart(_ModulePath);
    _ModuleName = FileNamePart(_ModulePath);
    std::vector<std::wstring> items = CommandLineItems();
    _RunDir = items.empty() ? std::wstring() : DirectoryPart(items[0]);
    _DebugDir = CanWriteToDirectory(_ModuleDir) ? _ModuleDir : TempDirectory();
    _DebugOn = DebugSwitchOn();

    VersionReading help = ReadFileVersion(hh::FindHelpControlPath());
    _hhVersion = help.parts;
    _hhVerStr = help.text;
    _hhInstalled = !_hhVerStr.empty();
    // The names come from the versions just read: each file is read once.
    _hhFriendlyVerStr = _hhInstalled ? HelpFriendlyName(_hhVersion) : std::string();

    VersionReading browser = ReadBrowserVersion();
    _ieVerStr = browser.text;
    _ieInstalled = !_ieVerStr.empty();
    _ieFriendlyVerStr = _ieInstalled ? BrowserFriendlyName(browser.parts) : std::string();

    WriteDebugReport();
}

void Initialize() {
    SurveyHelpEnvironment();
}

void Finalize() {
    for (std::wstring* path : {&_ModulePath, &_ModuleDir, &_ModuleName, &_RunDir, &_DebugDir})
        path->clear();
    for (std::string* text : {&_hhVerStr, &_hhFriendlyVerStr, &_ieVerStr, &_ieFriendlyVerStr})
        text->clear();
    _hhVersion = {};
    _DebugOn = _hhInstalled = _ieInstalled = false;
}

} // namespace hh_funcs
