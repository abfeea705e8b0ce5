#include "help/rules/Paths.h"

#include "help/rules/ReportText.h"

namespace hh_funcs {

namespace {
std::size_t NameStart(std::wstring_view path) {
    std::size_t cut = path.find_last_of(L"\\:");
    return cut == std::wstring_view::npos ? 0 : cut + 1;
}
} // namespace

std::wstring DirectoryWithSeparator(std::wstring_view path) {
    return std::wstring(path.substr(0, NameStart(path)));
}

std::wstring DirectoryPart(std::wstring_view path) {
    std::wstring directory = DirectoryWithSeparator(path);
    TrimTrailingChar(directory, L'\\');
    return directory;
}

std::wstring FileNamePart(std::wstring_view path) {
    return std::wstring(path.substr(NameStart(path)));
}

std::wstring HelpFileBeside(std::wstring_view programPath) {
    return DirectoryWithSeparator(programPath) + L"Sixpointe.chm";
}

namespace {
constexpr std::wstring_view kExtended = L"\\\\?\\";
constexpr std::wstring_view kExtendedUnc = L"\\\\?\\UNC\\";
constexpr std::wstring_view kDevice = L"\\\\.\\";
constexpr std::wstring_view kUnc = L"\\\\";

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}
} // namespace

std::wstring ExtendedLengthPath(std::wstring_view path) {
    if (path.size() <= kLongestPlainPath || path.starts_with(kExtended) ||
        path.starts_with(kDevice))
        return std::wstring(path);
    if (path.size() > 2 && IsDriveLetter(path[0]) && path[1] == L':' && path[2] == L'\\')
        return std::wstring(kExtended) + std::wstring(path);
    if (path.starts_with(kUnc))
        return std::wstring(kExtendedUnc) + std::wstring(path.substr(kUnc.size()));
    // A relative path has no extended form.
    return std::wstring(path);
}

std::wstring PlainPath(std::wstring_view path) {
    if (path.starts_with(kExtendedUnc))
        return std::wstring(kUnc) + std::wstring(path.substr(kExtendedUnc.size()));
    if (path.starts_with(kExtended))
        return std::wstring(path.substr(kExtended.size()));
    return std::wstring(path);
}

} // namespace hh_funcs
