// Colour names as layouts write them.
#pragma once

#include "framework/core/Types.h"

#include <optional>
#include <string_view>

namespace fw {

std::optional<TColor> ColorFromName(std::string_view name);

} // namespace fw
