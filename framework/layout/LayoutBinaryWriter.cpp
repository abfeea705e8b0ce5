// The build's half of the compiled layout form, in a file of its own so that
// the program, which only reads layouts, links none of it.
#include "framework/layout/LayoutBinary.h"

#include <cstdint>

namespace layout {

namespace {

class Writer {
public:
    std::string Take() { return std::move(bytes_); }

    void WriteObject(const Object& object) {
        WriteLine(object.line);
        WriteText(object.name);
        WriteText(object.className);
        WriteVarint(object.properties.size());
        for (const Property& property : object.properties)
            WriteProperty(property);
        WriteVarint(object.children.size());
        for (const Object& child : object.children)
            WriteObject(child);
    }

    void WriteHeader() { bytes_ += kBinaryHeader; }

private:
    void WriteProperty(const Property& property) {
        WriteLine(property.line);
        WriteText(property.path);
        const Value& value = property.value;
        bytes_ += static_cast<char>(value.Kind());
        switch (value.Kind()) {
        case ValueKind::Number:
            WriteVarint(ZigZag(value.Number()));
            break;
        case ValueKind::String:
            WriteText(value.String());
            break;
        case ValueKind::Identifier:
            WriteText(value.Identifier());
            break;
        case ValueKind::Set:
            WriteVarint(value.Set().size());
            for (const std::string& item : value.Set())
                WriteText(item);
            break;
        }
    }

    // Each line is stored as the step from the line before, mostly 1 or 2:
    // the same few bytes over and over, which the packing then shrinks.
    // Lines are never negative in a parsed tree; one that is would not come
    // back as itself, so it is a fault of the caller.
    void WriteLine(int line) {
        if (line < 0)
            throw fw::LogicError("a layout line cannot be negative");
        WriteVarint(ZigZag(std::int64_t{line} - lastLine_));
        lastLine_ = line;
    }

    void WriteText(const std::string& text) {
        WriteVarint(text.size());
        bytes_ += text;
    }

    // Seven bits a byte, lowest first; the high bit says that more follow.
    void WriteVarint(std::uint64_t value) {
        while (value >= 0x80) {
            bytes_ += static_cast<char>((value & 0x7F) | 0x80);
            value >>= 7;
        }
        bytes_ += static_cast<char>(value);
    }

    // Small negative numbers (font heights) take one byte, as small positive ones do.
    static std::uint64_t ZigZag(std::int64_t number) {
        const auto bits = static_cast<std::uint64_t>(number);
        return (bits << 1) ^ (number < 0 ? ~std::uint64_t{0} : 0);
    }

    std::string bytes_;
    int lastLine_ = 0;
};

} // namespace

std::string Serialize(const Object& root) {
    Writer writer;
    writer.WriteHeader();
    writer.WriteObject(root);
    return writer.Take();
}

} // namespace layout
