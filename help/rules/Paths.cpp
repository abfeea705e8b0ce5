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

} // namespace hh_funcs
