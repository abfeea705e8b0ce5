#include "framework/layout/LayoutTree.h"

#include <utility>

namespace layout {

std::string_view KindName(ValueKind kind) {
    switch (kind) {
    case ValueKind::Number:
        return "number";
    case ValueKind::String:
        return "string";
    case ValueKind::Identifier:
        return "identifier";
    case ValueKind::Set:
        return "set";
    }
    return "value";
}

Value Value::MakeNumber(std::int64_t number) {
    Value value;
    value.number_ = number;
    return value;
}

Value Value::MakeString(std::string bytes) {
    Value value;
    value.kind_ = ValueKind::String;
    value.text_ = std::move(bytes);
    return value;
}

Value Value::MakeIdentifier(std::string name) {
    Value value;
    value.kind_ = ValueKind::Identifier;
    value.text_ = std::move(name);
    return value;
}

Value Value::MakeSet(std::vector<std::string> items) {
    Value value;
    value.kind_ = ValueKind::Set;
    value.items_ = std::move(items);
    return value;
}

void Value::Require(ValueKind kind) const {
    if (kind_ != kind) {
        throw fw::LogicError("layout value is a " + std::string(KindName(kind_)) + ", not a " +
                             std::string(KindName(kind)));
    }
}

std::int64_t Value::Number() const {
    Require(ValueKind::Number);
    return number_;
}

const std::string& Value::String() const {
    Require(ValueKind::String);
    return text_;
}

const std::string& Value::Identifier() const {
    Require(ValueKind::Identifier);
    return text_;
}

const std::vector<std::string>& Value::Set() const {
    Require(ValueKind::Set);
    return items_;
}

namespace {

std::string Located(std::string_view file, int line, std::string_view message) {
    std::string text(file);
    text += ':';
    text += std::to_string(line);
    text += ": ";
    text += message;
    return text;
}

} // namespace

ParseError::ParseError(std::string_view file, int line, std::string_view message)
    : fw::Exception(Located(file, line, message)), file_(file), line_(line), message_(message) {}

} // namespace layout
