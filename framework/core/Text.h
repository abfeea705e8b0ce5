// Conversion between the program's single-byte Windows-1252 text and the
// UTF-16 of the Win32 W functions.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// Stands for a character that Windows-1252 cannot hold. It is a control
// character, so it can never be mistaken for a printable character that the
// program knows.
constexpr char kUnmappableChar = '\x1A';

std::wstring ToWide(std::string_view text);
// Never maps a character to a look-alike: a character outside Windows-1252
// becomes kUnmappableChar.
std::string FromWide(std::wstring_view text);
// The same, with `substitute` for a character outside Windows-1252: for text
// that people read, where Windows writes "?".
std::string FromWide(std::wstring_view text, char substitute);

// Names (of classes, properties, values, components and handlers) are the
// same whatever the case of their ASCII letters, as everywhere in Windows.
bool SameName(std::string_view a, std::string_view b);

} // namespace fw
