#pragma once

// UTF-8 decoding and the Windows-1252 code page, without any platform call:
// layout files are UTF-8 while every text in the program is 1252.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace layout {

// Decodes the UTF-8 sequence that starts at text[pos] and moves pos past it.
// Overlong forms, surrogates, code points above U+10FFFF and cut sequences are
// invalid: the result is empty and pos still moves on by at least one byte.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos);

// The Windows-1252 byte of a code point, or nothing when the code page has no
// such character. Exact mapping only: no look-alike substitutes.
std::optional<unsigned char> ToCp1252(char32_t c);

// The UTF-8 form of a code point, for messages that name a character.
std::string EncodeUtf8(char32_t c);

// "U+00E9" style name of a code point.
std::string CodePointName(char32_t c);

} // namespace layout
