#pragma once

// The compiled form of a layout: the tree that the text parser gives, stored
// compactly by the build, so that the program reads its layouts without
// carrying the text parser.
//
//     file     = magic "LYT" version 1, object
//     object   = line, text name, text className,
//                count, property * count, count, object * count
//     property = line, text path, kind byte, value
//     value    = number: signed | string, identifier: text
//              | set: count, text * count
//     text     = length, Windows-1252 bytes
//     line     = signed step from the line read before (from 0)
//
// Counts and lengths are unsigned LEB128 varints, signed numbers are zig-zag
// varints; kind bytes are the ValueKind in declaration order. Nothing may
// follow the root object.

#include "framework/layout/LayoutTree.h"

#include <string>
#include <string_view>

namespace layout {

inline constexpr std::string_view kBinaryHeader{"LYT\x01", 4};

std::string Serialize(const Object& root);

// The tree that Serialize stored in `bytes`. Throws ParseError ("file:line:
// message", at the last line read, 0 before any) on data cut short, a wrong
// header, a count or length beyond the data, objects nested deeper than the
// text allows, an unknown value kind or bytes after the root object.
Object Deserialize(std::string_view bytes, std::string_view fileName);

} // namespace layout
