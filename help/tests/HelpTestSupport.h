// Scratch folders, files and a redirected class registry for the help tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace helptest {

// The folder of the test program, where the tiny libraries and the probe are built.
std::wstring BuildDir();

// A new empty folder under the temporary folder, removed with all it holds.
class ScratchDir {
public:
    explicit ScratchDir(const std::wstring& name = L"dir");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

void RemoveTree(const std::wstring& path);
// Makes folders inside `base`, one in another, until the path is at least
// `length` characters long; the innermost one.
std::wstring MakeLongFolder(const std::wstring& base, std::size_t length);
void WriteBytes(const std::wstring& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);
// Lines of a text file without their CR LF.
std::vector<std::string> Lines(const std::string& text);

// While it lives, HKEY_CLASSES_ROOT of this process is an empty key of the
// current user's, so that tests can register the help control as they like.
class RedirectedClasses {
public:
    RedirectedClasses();
    ~RedirectedClasses();
    RedirectedClasses(const RedirectedClasses&) = delete;
    RedirectedClasses& operator=(const RedirectedClasses&) = delete;
    // Registers the help control's file as `value`, stored with `type`.
    void RegisterControl(const std::wstring& value, DWORD type = REG_SZ);
    // Creates the control's key with no default value.
    void RegisterControlWithoutValue();

private:
    HKEY root_ = nullptr;
    std::wstring name_;
};

} // namespace helptest
