// The program's half of the compiled layout form. The bytes come from the
// program's own resources, but they are read as untrusted all the same: every
// length and count is checked against what is left before it is used, so that
// damaged data ends in a ParseError, never in a read past the end or a huge
// allocation. The messages are plain texts: this code is in the program, where
// every byte is loaded at each start.
#include "framework/layout/LayoutBinary.h"

#include <cstdint>
#include <limits>

namespace layout {

namespace {

// The fewest bytes that each element can take, to refuse a count that the
// data left cannot hold before anything is made for it.
constexpr std::size_t kSmallestObject = 5;   // line, name, class, two counts
constexpr std::size_t kSmallestProperty = 4; // line, path, kind, one-byte value
constexpr std::size_t kSmallestText = 1;     // its length

static_assert(kMaxDepth == 64, "the message on nesting names the limit");

class Reader {
public:
    Reader(std::string_view bytes, std::string_view file) : bytes_(bytes), file_(file) {}

    void ReadFile(Object& root) {
        if (bytes_.substr(0, kBinaryHeader.size()) != kBinaryHeader)
            Fail("not a compiled layout (unknown header)");
        position_ = kBinaryHeader.size();
        ReadObject(root, 1);
        if (position_ != bytes_.size())
            Fail("compiled layout: data after the end of the root object");
    }

private:
    [[noreturn]] void Fail(const char* message) const { throw ParseError(file_, line_, message); }

    // Fills `object` in place: no tree is moved or copied while it is read.
    void ReadObject(Object& object, int depth) {
        object.line = ReadLine();
        if (depth > kMaxDepth)
            Fail("compiled layout: objects nested more than 64 deep");
        ReadText(object.name);
        ReadText(object.className);
        object.properties = std::vector<Property>(ReadCount(kSmallestProperty));
        for (Property& property : object.properties) {
            property.line = ReadLine();
            ReadText(property.path);
            property.value = ReadValue();
        }
        // One child at a time: made all at once, the children announced at
        // each depth would together take far more memory than the data.
        for (std::size_t i = ReadCount(kSmallestObject); i > 0; --i)
            ReadObject(object.children.emplace_back(), depth + 1);
    }

    Value ReadValue() {
        const auto kind = static_cast<ValueKind>(ReadByte());
        std::string text;
        switch (kind) {
        case ValueKind::Number:
            return Value::MakeNumber(ReadSigned());
        case ValueKind::String:
            ReadText(text);
            return Value::MakeString(std::move(text));
        case ValueKind::Identifier:
            ReadText(text);
            return Value::MakeIdentifier(std::move(text));
        case ValueKind::Set: {
            std::vector<std::string> items(ReadCount(kSmallestText));
            for (std::string& item : items)
                ReadText(item);
            return Value::MakeSet(std::move(items));
        }
        }
        Fail("compiled layout: unknown value kind");
    }

    // A line read is where the next fault is reported.
    int ReadLine() {
        const std::int64_t step = ReadSigned();
        if (step < -line_ || step > std::numeric_limits<int>::max() - line_)
            Fail("compiled layout: line number out of range");
        line_ += static_cast<int>(step);
        return line_;
    }

    void ReadText(std::string& text) {
        const std::size_t length = ReadCount(1);
        text.assign(bytes_.data() + position_, length);
        position_ += length;
    }

    // A count of elements of at least `smallest` bytes each, all of them in
    // the data left.
    std::size_t ReadCount(std::size_t smallest) {
        const std::uint64_t count = ReadVarint();
        if (count > (bytes_.size() - position_) / smallest)
            Fail("compiled layout: a count or length runs past the end of the data");
        return static_cast<std::size_t>(count);
    }

    std::int64_t ReadSigned() {
        const std::uint64_t bits = ReadVarint();
        return static_cast<std::int64_t>((bits >> 1) ^ (~(bits & 1) + 1));
    }

    std::uint64_t ReadVarint() {
        std::uint64_t value = 0;
        for (int shift = 0;; shift += 7) {
            const unsigned byte = ReadByte();
            // The tenth byte holds the 64th bit only.
            if (shift == 63 && byte > 1)
                Fail("compiled layout: number too large");
            value |= std::uint64_t{byte & 0x7Fu} << shift;
            if (byte < 0x80)
                return value;
        }
    }

    unsigned ReadByte() {
        if (position_ == bytes_.size())
            Fail("compiled layout cut short");
        return static_cast<unsigned char>(bytes_[position_++]);
    }

    std::string_view bytes_;
    std::string_view file_;
    std::size_t position_ = 0;
    int line_ = 0;
};

} // namespace

Object Deserialize(std::string_view bytes, std::string_view fileName) {
    Object root;
    Reader(bytes, fileName).ReadFile(root);
    return root;
}

} // namespace layout
