// Packed resources: the program's pictures and layouts are stored compressed
// and unpacked when they are loaded, which keeps the program file small.
//
// The format: the unpacked size (4 bytes, little-endian), then sequences. Each
// sequence is a token byte whose high nibble counts the literal bytes that
// follow it and whose low nibble is the length of a copy less 4; a nibble of 15
// continues in the next bytes, each added, as long as they are 255. After the
// literals come the copy's distance back (2 bytes, little-endian, at least 1)
// and the copy's length bytes. The last sequence may end after its literals.
#pragma once

#include <string>
#include <string_view>

namespace packing {

std::string Pack(std::string_view data);

// Throws fw::Exception when `packed` is not the packing of anything: cut
// short, a copy from before the start, or more or fewer bytes than announced.
std::string Unpack(std::string_view packed);

} // namespace packing
