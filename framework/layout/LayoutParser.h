#pragma once

// Reads the text of a layout file into its tree of objects.
//
//     # a comment, to the end of the line
//     object Form1: TForm1
//       Caption = 'L''alphabet'      # string: '' is a quote; UTF-8 in the file
//       Width = 569                  # number: decimal (32-bit signed) or $1F / 0x1F
//       Font.Name = 'Tahoma'         # a dotted path sets a sub-object's property
//       Color = clBtnFace            # identifier: enum value, colour, handler, name
//       BorderIcons = [biSystemMenu] # set of identifiers, possibly empty
//       object Button1: TButton      # children come after the properties
//       end
//     end
//
// One statement per line. Exactly one root object; objects nest at most
// kMaxDepth deep; object names are unique in the file, and property paths in
// their object, both regardless of case. Strings come back as Windows-1252
// bytes; a character that 1252 cannot hold is an error.

#include "framework/layout/LayoutTree.h"

#include <string_view>

namespace layout {

// Throws ParseError ("file:line: message") on any fault of the text.
Object ParseLayout(std::string_view text, std::string_view fileName);

} // namespace layout
