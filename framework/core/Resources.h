// The program's pictures and layouts: stored packed in its resources (type
// PACKED, see framework/packing) and unpacked when they are loaded.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace fw {

bool HasPackedResource(const std::wstring& name);
// Nothing when the program holds no packed resource of that name; throws
// fw::Exception when it holds one that does not unpack.
std::optional<std::string> LoadPackedResource(const std::wstring& name);

// A packed bitmap (as a BITMAP resource holds it: header, colours, pixels),
// made a device-dependent bitmap as LoadImage makes one. Null when there is
// none of that name.
HBITMAP LoadPackedBitmap(const std::wstring& name);

} // namespace fw
