// The help file's picture of the workshop's six keys: where they lie on the
// keyboard and which dot each writes, drawn from the program's own table of
// keys so that it always says what the program does.
#pragma once

#include "braille/WriterKeys.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace helpkeys {

// A table or a page that the picture cannot be drawn from: a key off the
// keyboard's home row, a dot with no key or with two, a page without exactly
// one place for the picture.
struct PictureError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The picture (Windows-1252 HTML) with its text alternative in French: the
// home row from the first to the last key of the table, each key of a dot
// marked with its number and its place in the cell, then the cell with the
// key of each dot.
std::string KeysPicture(std::span<const braille::WriterKey> keys);

// The page (Windows-1252 HTML) with its one placeholder <!--keys--> replaced
// by the picture.
std::string KeysPage(std::string_view page, std::span<const braille::WriterKey> keys);

} // namespace helpkeys
