#include "framework/layout/LayoutLexer.h"

#include "framework/layout/Cp1252.h"
#include "framework/layout/LayoutTree.h"

#include <optional>

namespace layout {

namespace {

constexpr std::size_t kMaxQuoted = 40;
constexpr std::int64_t kMaxHex = 0xFFFFFFFF;
constexpr std::int64_t kMaxDecimal = 0x7FFFFFFF;
// Saturation point while reading digits: above every allowed magnitude.
constexpr std::int64_t kTooBig = kMaxHex + 1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c) {
    return IsNameStart(c) || IsDigit(c);
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads the digits in the given base; empty when a character is no digit.
// The result saturates at kTooBig, so any length of digits is safe.
std::optional<std::int64_t> ReadDigits(std::string_view digits, int base) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > kTooBig) {
            value = kTooBig;
        }
    }
    return value;
}

bool IsControl(char32_t c) {
    return (c < 0x20 && c != '\t') || (c >= 0x7F && c <= 0x9F);
}

} // namespace

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text.substr(0, kMaxQuoted));
    if (text.size() > kMaxQuoted) {
        quoted.append("...");
    }
    quoted.push_back('\'');
    return quoted;
}

std::string Describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::Name:
    case TokenKind::Number:
        return Quoted(token.text);
    case TokenKind::String:
        return "a string";
    case TokenKind::Equals:
        return "'='";
    case TokenKind::Colon:
        return "':'";
    case TokenKind::Comma:
        return "','";
    case TokenKind::OpenBracket:
        return "'['";
    case TokenKind::CloseBracket:
        return "']'";
    case TokenKind::EndOfLine:
        return "end of line";
    case TokenKind::EndOfFile:
        return "end of file";
    }
    return "a token";
}

Lexer::Lexer(std::string_view text, std::string_view file) : text_(text), file_(file) {
    // Windows editors often start a UTF-8 file with a byte order mark.
    if (text_.starts_with("\xEF\xBB\xBF")) {
        pos_ = 3;
    }
}

void Lexer::Fail(int line, std::string_view message) const {
    throw ParseError(file_, line, message);
}

Token Lexer::Next() {
    SkipBlanks();
    if (pos_ >= text_.size()) {
        return Token{TokenKind::EndOfFile, {}, 0, line_};
    }
    const char c = text_[pos_];
    switch (c) {
    case '\n': {
        Token token = Make(TokenKind::EndOfLine, 1);
        ++line_;
        return token;
    }
    case '=':
        return Make(TokenKind::Equals, 1);
    case ':':
        return Make(TokenKind::Colon, 1);
    case ',':
        return Make(TokenKind::Comma, 1);
    case '[':
        return Make(TokenKind::OpenBracket, 1);
    case ']':
        return Make(TokenKind::CloseBracket, 1);
    case '\'':
        return LexString();
    default:
        break;
    }
    if (IsNameStart(c)) {
        return LexName();
    }
    if (IsDigit(c) || c == '-' || c == '$') {
        return LexNumber();
    }
    FailUnexpected();
}

void Lexer::SkipBlanks() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++pos_;
        } else if (c == '#') {
            SkipComment();
        } else {
            return;
        }
    }
}

// Comments may hold any character, but they must still be valid UTF-8.
void Lexer::SkipComment() {
    while (pos_ < text_.size() && text_[pos_] != '\n') {
        if (!DecodeUtf8(text_, pos_)) {
            Fail(line_, "invalid UTF-8");
        }
    }
}

Token Lexer::Make(TokenKind kind, std::size_t length) {
    Token token{kind, std::string(text_.substr(pos_, length)), 0, line_};
    pos_ += length;
    return token;
}

Token Lexer::LexName() {
    const std::size_t start = pos_;
    for (;;) {
        while (pos_ < text_.size() && IsNameChar(text_[pos_])) {
            ++pos_;
        }
        if (pos_ >= text_.size() || text_[pos_] != '.') {
            break;
        }
        ++pos_;
        if (pos_ >= text_.size() || !IsNameStart(text_[pos_])) {
            Fail(line_, "bad name " + Quoted(text_.substr(start, pos_ - start)) +
                            ": a dot must be followed by a name");
        }
    }
    const std::size_t end = pos_;
    pos_ = start;
    return Make(TokenKind::Name, end - start);
}

// Decimal numbers may be negative and must fit a 32-bit signed integer; hex
// numbers ("$1F", "0x1F") are bit patterns, such as colours, up to $FFFFFFFF.
Token Lexer::LexNumber() {
    const std::size_t start = pos_;
    if (text_[pos_] == '-' || text_[pos_] == '$') {
        ++pos_;
    }
    // The dot is taken in so that "1.5" reads as one bad number.
    while (pos_ < text_.size() && (IsNameChar(text_[pos_]) || text_[pos_] == '.')) {
        ++pos_;
    }
    Token token =
        Token{TokenKind::Number, std::string(text_.substr(start, pos_ - start)), 0, line_};
    std::string_view word = token.text;
    const bool negative = word.starts_with('-');
    std::optional<std::int64_t> value;
    std::int64_t limit = kMaxDecimal;
    if (word.starts_with('$')) {
        value = ReadDigits(word.substr(1), 16), limit = kMaxHex;
    } else if (word.starts_with("0x") || word.starts_with("0X")) {
        value = ReadDigits(word.substr(2), 16), limit = kMaxHex;
    } else {
        value = ReadDigits(word.substr(negative ? 1 : 0), 10);
        limit = negative ? kMaxDecimal + 1 : kMaxDecimal;
    }
    if (!value) {
        Fail(line_, "bad number " + Quoted(word));
    }
    if (*value > limit) {
        Fail(line_, "number " + Quoted(word) + " is out of 32-bit range");
    }
    token.number = negative ? -*value : *value;
    return token;
}

// Single quotes; a doubled quote stands for one. The text is converted to
// Windows-1252 here, so that a character the program cannot show is reported
// at its line instead of being mangled later.
Token Lexer::LexString() {
    Token token{TokenKind::String, {}, 0, line_};
    ++pos_;
    for (;;) {
        if (pos_ >= text_.size() || text_.substr(pos_).starts_with('\n') ||
            text_.substr(pos_).starts_with("\r\n")) {
            Fail(line_, "unterminated string: the closing quote is missing on this line");
        }
        if (text_[pos_] != '\'') {
            AppendStringChar(token.text);
        } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
            token.text += '\'';
            pos_ += 2;
        } else {
            ++pos_;
            return token;
        }
    }
}

void Lexer::AppendStringChar(std::string& bytes) {
    const std::optional<char32_t> c = DecodeUtf8(text_, pos_);
    if (!c) {
        Fail(line_, "invalid UTF-8 in string");
    }
    if (IsControl(*c)) {
        Fail(line_, "control character " + CodePointName(*c) + " in string");
    }
    const std::optional<unsigned char> byte = ToCp1252(*c);
    if (!byte) {
        Fail(line_, "character '" + EncodeUtf8(*c) + "' (" + CodePointName(*c) +
                        ") cannot be written in Windows-1252");
    }
    bytes += static_cast<char>(*byte);
}

void Lexer::FailUnexpected() {
    const std::optional<char32_t> c = DecodeUtf8(text_, pos_);
    if (!c) {
        Fail(line_, "invalid UTF-8");
    }
    if (IsControl(*c)) {
        Fail(line_, "unexpected character " + CodePointName(*c));
    }
    std::string message = "unexpected character '" + EncodeUtf8(*c) + "'";
    if (*c >= 0x80) {
        message += " (" + CodePointName(*c) + ")";
    }
    Fail(line_, message);
}

} // namespace layout
