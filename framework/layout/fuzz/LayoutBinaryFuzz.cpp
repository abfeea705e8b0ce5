// libFuzzer entry point for the compiled layout form: any input must either
// be read or be refused with a ParseError. A tree that is read must come back
// the same through Serialize. Another exception, a crash, a sanitizer report
// or a tree that changes is a finding.

#include "framework/layout/LayoutBinary.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const layout::Object tree = layout::Deserialize(bytes, "fuzz.layout");
        if (layout::Deserialize(layout::Serialize(tree), "fuzz.layout") != tree)
            std::abort();
    } catch (const layout::ParseError&) {
    }
    return 0;
}
