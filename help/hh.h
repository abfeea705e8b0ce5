// The binding to the system's HTML Help library: found through the registry,
// loaded at run time (never linked), freed at the very end.
#pragma once

#include <windows.h>

#include <string>

namespace hh {

using HtmlHelpProcA = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
using HtmlHelpProcW = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

constexpr UINT HH_DISPLAY_TOPIC = 0x0000;
constexpr UINT HH_CLOSE_ALL = 0x0012;

// The library while it is loaded; 0 otherwise.
extern HMODULE hhLibraryHandle;
extern bool hhLoadAtStartup;
// The library's entry points; null while it is not loaded or lacks them.
// HtmlHelpDefault is the ANSI entry again: the one the program calls first.
extern HtmlHelpProcA HtmlHelpA;
extern HtmlHelpProcW HtmlHelpW;
extern HtmlHelpProcA HtmlHelpDefault;

// The HTML Help control's file as registered (not expanded), or empty when it
// is not registered or no file is there.
std::wstring FindHelpControlPath();
void LoadHelpLibrary();
void UnloadHelpLibrary();

void Initialize();
void Finalize();

} // namespace hh
