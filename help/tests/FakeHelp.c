/* A stand-in help library that remembers the last call made through each of its
 * entries, so that tests can see which entry the program chose and what it passed. */
#include <windows.h>
#include <wchar.h>

static char lastEntry;
static wchar_t lastFile[1024];
static int lastFileNull;
static UINT lastCommand;
static int calls;

__declspec(dllexport) HWND WINAPI
    HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
    (void)caller;
    (void)data;
    lastEntry = 'A';
    lastFileNull = file == NULL;
    lastFile[0] = 0;
    if (file)
        MultiByteToWideChar(CP_ACP, 0, file, -1, lastFile, 1024);
    lastCommand = command;
    ++calls;
    return NULL;
}

__declspec(dllexport) HWND WINAPI
    HtmlHelpW(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data) {
    (void)caller;
    (void)data;
    lastEntry = 'W';
    lastFileNull = file == NULL;
    lastFile[0] = 0;
    if (file)
        lstrcpynW(lastFile, file, 1024);
    lastCommand = command;
    ++calls;
    return NULL;
}

/* Number of calls so far; the last one's entry ('A' or 'W'), file and command. */
__declspec(dllexport) int FakeHelpLastCall(char* entry, const wchar_t** file, UINT* command) {
    *entry = lastEntry;
    *file = lastFileNull ? NULL : lastFile;
    *command = lastCommand;
    return calls;
}
