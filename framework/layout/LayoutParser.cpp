#include "framework/layout/LayoutParser.h"

#include "framework/layout/LayoutLexer.h"

#include <map>
#include <string>

namespace layout {

namespace {

// Names are compared as Windows users expect them to be: regardless of case.
std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

class Parser {
public:
    Parser(std::string_view text, std::string_view file) : lexer_(text, file) { Advance(); }

    Object ParseFile();

private:
    void Advance() { token_ = lexer_.Next(); }
    bool AtWord(std::string_view word) const {
        return token_.kind == TokenKind::Name && Folded(token_.text) == word;
    }
    [[noreturn]] void Fail(std::string_view message) const { lexer_.Fail(token_.line, message); }
    void SkipEmptyLines();
    void ExpectEndOfLine(std::string_view after);
    std::string ExpectPlainName(std::string_view what);
    Object ParseObject(int depth);
    Property ParseProperty();
    Value ParseValue(const std::string& path);
    Value ParseSet(const std::string& path);
    void RegisterName(const Object& object);

    Lexer lexer_;
    Token token_;
    std::map<std::string, int> objectLines_; // folded name -> line of its object
};

Object Parser::ParseFile() {
    SkipEmptyLines();
    if (token_.kind == TokenKind::EndOfFile) {
        Fail("empty layout: expected 'object'");
    }
    if (!AtWord("object")) {
        Fail("expected 'object', found " + Describe(token_));
    }
    Object root = ParseObject(1);
    SkipEmptyLines();
    if (token_.kind != TokenKind::EndOfFile) {
        Fail("text after the end of the root object " + Quoted(root.name) +
             ": a layout holds exactly one root object");
    }
    return root;
}

void Parser::SkipEmptyLines() {
    while (token_.kind == TokenKind::EndOfLine) {
        Advance();
    }
}

void Parser::ExpectEndOfLine(std::string_view after) {
    if (token_.kind == TokenKind::EndOfLine) {
        Advance();
    } else if (token_.kind != TokenKind::EndOfFile) {
        Fail("expected end of line after " + std::string(after) + ", found " + Describe(token_));
    }
}

std::string Parser::ExpectPlainName(std::string_view what) {
    if (token_.kind != TokenKind::Name || AtWord("object") || AtWord("end")) {
        Fail("expected " + std::string(what) + ", found " + Describe(token_));
    }
    if (token_.text.find('.') != std::string::npos) {
        Fail("expected " + std::string(what) + ", found the dotted name " + Quoted(token_.text));
    }
    std::string name = std::move(token_.text);
    Advance();
    return name;
}

Object Parser::ParseObject(int depth) {
    if (depth > kMaxDepth) {
        Fail("objects nested more than " + std::to_string(kMaxDepth) + " deep");
    }
    Object object;
    object.line = token_.line;
    Advance();
    object.name = ExpectPlainName("an object name after 'object'");
    if (token_.kind != TokenKind::Colon) {
        Fail("expected ':' after the object name " + Quoted(object.name) + ", found " +
             Describe(token_));
    }
    Advance();
    object.className = ExpectPlainName("a class name after ':'");
    ExpectEndOfLine("the class name " + Quoted(object.className));
    RegisterName(object);

    std::map<std::string, int> propertyLines;
    for (;;) {
        SkipEmptyLines();
        if (token_.kind == TokenKind::EndOfFile) {
            Fail("missing 'end' of object " + Quoted(object.name) + " (line " +
                 std::to_string(object.line) + ")");
        }
        if (AtWord("end")) {
            Advance();
            ExpectEndOfLine("'end'");
            return object;
        }
        if (AtWord("object")) {
            object.children.push_back(ParseObject(depth + 1));
            continue;
        }
        if (token_.kind != TokenKind::Name) {
            Fail("expected a property, 'object' or 'end', found " + Describe(token_));
        }
        if (!object.children.empty()) {
            Fail("property " + Quoted(token_.text) + " after the child objects of " +
                 Quoted(object.name) + ": properties come first");
        }
        Property property = ParseProperty();
        const auto [first, added] = propertyLines.emplace(Folded(property.path), property.line);
        if (!added) {
            lexer_.Fail(property.line, "duplicate property " + Quoted(property.path) +
                                           " (first at line " + std::to_string(first->second) +
                                           ")");
        }
        object.properties.push_back(std::move(property));
    }
}

void Parser::RegisterName(const Object& object) {
    const auto [first, added] = objectLines_.emplace(Folded(object.name), object.line);
    if (!added) {
        lexer_.Fail(object.line, "duplicate object name " + Quoted(object.name) +
                                     " (first at line " + std::to_string(first->second) + ")");
    }
}

Property Parser::ParseProperty() {
    Property property;
    property.line = token_.line;
    property.path = std::move(token_.text);
    Advance();
    if (token_.kind != TokenKind::Equals) {
        Fail("expected '=' after the property " + Quoted(property.path) + ", found " +
             Describe(token_));
    }
    Advance();
    property.value = ParseValue(property.path);
    ExpectEndOfLine("the value of " + Quoted(property.path));
    return property;
}

Value Parser::ParseValue(const std::string& path) {
    switch (token_.kind) {
    case TokenKind::Number: {
        const std::int64_t number = token_.number;
        Advance();
        return Value::MakeNumber(number);
    }
    case TokenKind::String: {
        std::string text = std::move(token_.text);
        Advance();
        return Value::MakeString(std::move(text));
    }
    case TokenKind::Name:
        return Value::MakeIdentifier(ExpectPlainName("a value for " + Quoted(path)));
    case TokenKind::OpenBracket:
        return ParseSet(path);
    default:
        Fail("expected a value for " + Quoted(path) + ", found " + Describe(token_));
    }
}

Value Parser::ParseSet(const std::string& path) {
    Advance();
    std::vector<std::string> items;
    if (token_.kind == TokenKind::CloseBracket) {
        Advance();
        return Value::MakeSet(std::move(items));
    }
    for (;;) {
        items.push_back(ExpectPlainName("a set element in " + Quoted(path)));
        if (token_.kind == TokenKind::CloseBracket) {
            Advance();
            return Value::MakeSet(std::move(items));
        }
        if (token_.kind != TokenKind::Comma) {
            Fail("expected ',' or ']' in the set of " + Quoted(path) + ", found " +
                 Describe(token_));
        }
        Advance();
    }
}

} // namespace

Object ParseLayout(std::string_view text, std::string_view fileName) {
    return Parser(text, fileName).ParseFile();
}

} // namespace layout
