// libFuzzer entry point: any input must either parse or be refused with a
// ParseError. Another exception, a crash or a sanitizer report is a finding.

#include "framework/layout/LayoutParser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        layout::ParseLayout(text, "fuzz.layout");
    } catch (const layout::ParseError&) {
    }
    return 0;
}
