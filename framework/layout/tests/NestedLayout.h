// Layout text of objects nested one in another, for the depth limit.
#pragma once

#include <string>

namespace layout {

inline std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "object O" + std::to_string(i) + ": TPanel\n";
    for (int i = 0; i < depth; ++i)
        text += "end\n";
    return text;
}

} // namespace layout
