// What the help file's generated pages share: the cells they draw, and how
// their tools read a page and write it filled in.
#pragma once

#include "braille/DotSet.h"

#include <functional>
#include <string>

namespace helppage {

inline constexpr char kRaised[] = "&#9679;";
inline constexpr char kFlat[] = "&#9675;";

// A cell as a small table: dots 1 2 3 down the left column, 4 5 6 down the right.
std::string DrawnCell(braille::DotSet cell);

// Usage: TOOL PAGE.htm OUTPUT.htm. Reads the page, fills it with `fill` and
// writes the result; a std::runtime_error from `fill` is reported under the
// tool's name. Returns the tool's exit status.
int RunPageTool(int argc, char** argv, const char* tool,
                const std::function<std::string(const std::string&)>& fill);

} // namespace helppage
