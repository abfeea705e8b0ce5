// What the packer and the unpacker agree on, besides the layout of a
// sequence (Packing.h).
#pragma once

#include <cstddef>

namespace packing {

constexpr std::size_t kMinCopy = 4;
constexpr std::size_t kMaxDistance = 0xFFFF;

} // namespace packing
