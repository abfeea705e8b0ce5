// Access keys: the letter after "&" in a caption ("&Valider": V).
#pragma once

#include <string_view>

namespace fw {

// Whether `key` is the caption's access key, letter case ignored. "&&" is a
// plain ampersand, not a marker.
bool HasAccessKey(std::string_view caption, char key);

} // namespace fw
