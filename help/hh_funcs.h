// The help environment survey made at every start: the program's folders, the
// debug switch, the versions of the help and browser controls, and the debug
// report "HHDebug.txt" when the switch is on.
#pragma once

#include "help/rules/Version.h"

#include <string>

namespace hh_funcs {

// Set once by SurveyHelpEnvironment. Paths are UTF-16; folders have no
// trailing backslash ("X:" for the root of a drive).
extern std::wstring _ModulePath;
extern std::wstring _ModuleDir;
extern std::wstring _ModuleName;
extern std::wstring _RunDir;
// Where the report goes: _ModuleDir when a file can be made there, else the
// temporary folder.
extern std::wstring _DebugDir;
extern const std::wstring _DebugFile;
extern bool _DebugOn;
extern FileVersion _hhVersion;
extern std::string _hhVerStr;
extern bool _hhInstalled;
extern std::string _hhFriendlyVerStr;
extern std::string _ieVerStr;
extern bool _ieInstalled;
extern std::string _ieFriendlyVerStr;

void SurveyHelpEnvironment();

// Module initialisation runs the survey; finalisation releases its texts.
void Initialize();
void Finalize();

} // namespace hh_funcs
