#pragma once

// The tree that a layout file describes: objects with their class, their
// properties in file order and their child objects in file order. Texts are
// Windows-1252 bytes, ready for the framework's setters.

#include "framework/layout/Exception.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace layout {

// How deep objects may nest, in a layout's text as in its compiled form.
inline constexpr int kMaxDepth = 64;

enum class ValueKind { Number, String, Identifier, Set };

// "number", "string", "identifier" or "set", for messages such as
// "expected a number, found an identifier".
std::string_view KindName(ValueKind kind);

// One property value. The accessors are for the matching kind only; asking
// for another kind is a programming error and throws fw::LogicError.
struct Value {
    Value() = default; // the number 0
    static Value MakeNumber(std::int64_t number);
    static Value MakeString(std::string bytes);
    static Value MakeIdentifier(std::string name);
    static Value MakeSet(std::vector<std::string> items);

    ValueKind Kind() const { return kind_; }
    std::int64_t Number() const;
    const std::string& String() const; // Windows-1252 bytes
    const std::string& Identifier() const;
    const std::vector<std::string>& Set() const;

    bool operator==(const Value&) const = default;

private:
    void Require(ValueKind kind) const;

    ValueKind kind_ = ValueKind::Number;
    std::int64_t number_ = 0;
    std::string text_; // string or identifier
    std::vector<std::string> items_;
};

struct Property {
    std::string path; // "Caption", or dotted into a sub-object: "Font.Name"
    Value value;
    int line = 0;

    bool operator==(const Property&) const = default;
};

// Properties always come before the children in a layout, so the two lists
// together keep the whole order of the file.
struct Object {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<Property> properties;
    std::vector<Object> children;

    bool operator==(const Object&) const = default;
};

// Broken layout data. what() reads "file:line: message". The code that
// applies a layout throws it too, with the line of the offending object or
// property, so that every layout fault reads the same way.
class ParseError : public fw::Exception {
public:
    ParseError(std::string_view file, int line, std::string_view message);

    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Message() const { return message_; }

private:
    std::string file_;
    int line_;
    std::string message_;
};

} // namespace layout
