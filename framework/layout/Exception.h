// The framework's general exception class. It lives in the framework's lowest,
// portable layer so that the layout parser's errors derive from it as well.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace fw {

// An exception that keeps the text it was made with.
class TextException : public std::exception {
public:
    explicit TextException(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Everything the framework throws for a failure outside the program's control
// derives from it: a window that cannot be made, a missing resource, a broken
// layout. Programming errors (LogicError below) and the program's own
// exceptions do not, so that whoever catches fw::Exception catches only these.
class Exception : public TextException {
public:
    using TextException::TextException;
};

// A fault of the program itself (a layout value read as the wrong kind, a
// class registered before its base): not an fw::Exception, so that nobody
// answers it as a failure to be expected.
class LogicError : public TextException {
public:
    using TextException::TextException;
};

} // namespace fw
