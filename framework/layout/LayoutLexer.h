#pragma once

// Splits a UTF-8 layout text into tokens. Layouts are line based, so the end
// of each line is a token of its own; blanks and "#" comments are skipped.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace layout {

enum class TokenKind {
    Name, // identifier, possibly dotted: "Caption", "Font.Name", "object"
    Number,
    String,
    Equals,
    Colon,
    Comma,
    OpenBracket,
    CloseBracket,
    EndOfLine,
    EndOfFile,
};

struct Token {
    TokenKind kind = TokenKind::EndOfFile;
    std::string text; // a name or number as written; a string's Windows-1252 bytes
    std::int64_t number = 0;
    int line = 1;
};

// How a token reads in a message: "'Caption'", "a string", "end of line"...
std::string Describe(const Token& token);

// Quotes text from the file for a message, shortened when it is long.
std::string Quoted(std::string_view text);

class Lexer {
public:
    Lexer(std::string_view text, std::string_view file);

    Token Next();
    const std::string& File() const { return file_; }

    // Throws ParseError at the given line of this file.
    [[noreturn]] void Fail(int line, std::string_view message) const;

private:
    void SkipBlanks();
    void SkipComment();
    Token Make(TokenKind kind, std::size_t length);
    Token LexName();
    Token LexNumber();
    Token LexString();
    void AppendStringChar(std::string& bytes);
    [[noreturn]] void FailUnexpected();

    std::string_view text_;
    std::string file_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace layout
