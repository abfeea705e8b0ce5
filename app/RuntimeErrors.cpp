// What the C++ runtime throws when a string or a container is misused, for
// the program file only.
//
// The runtime's own versions throw the standard error classes, which keep
// their text in the older of the runtime's two string implementations and
// format it with the runtime's own printf: with them come that second string
// implementation and the formatting, some 30 KB of the program file, which
// Wine reads at every start. These errors are faults of the program, shown in
// the framework's exception box by their text, and an exception that carries
// the same text shows the same. The classes that hold no text are kept.
#include <bits/functexcept.h>
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class RuntimeFault : public std::exception {
public:
    explicit RuntimeFault(const char* text) : text_(text) {}
    const char* what() const noexcept override { return text_; }

private:
    const char* text_;
};

} // namespace

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_logic_error(const char* text) {
    throw RuntimeFault(text);
}
void __throw_domain_error(const char* text) {
    throw RuntimeFault(text);
}
void __throw_invalid_argument(const char* text) {
    throw RuntimeFault(text);
}
void __throw_length_error(const char* text) {
    throw RuntimeFault(text);
}
void __throw_out_of_range(const char* text) {
    throw RuntimeFault(text);
}
// The text keeps its placeholders: the figures would need the runtime's formatting.
void __throw_out_of_range_fmt(const char* text, ...) {
    throw RuntimeFault(text);
}
void __throw_runtime_error(const char* text) {
    throw RuntimeFault(text);
}
void __throw_range_error(const char* text) {
    throw RuntimeFault(text);
}
void __throw_overflow_error(const char* text) {
    throw RuntimeFault(text);
}
void __throw_underflow_error(const char* text) {
    throw RuntimeFault(text);
}

} // namespace std
