// Points one of the test program's own imports at a function of the test's,
// so that a test sees the calls the program makes to the system.
#pragma once

namespace guitest {

// While it lives, the program's calls to `function` of `library` (as named
// in its import table, e.g. "gdi32.dll") go to `replacement`. Nothing happens
// when the program does not import that function.
class ImportHook {
public:
    ImportHook(const char* library, const char* function, void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    bool Active() const { return entry_ != nullptr; }
    // What the import pointed at before: the system's function.
    template <class F> F Original() const { return reinterpret_cast<F>(original_); }

private:
    void** entry_ = nullptr;
    void* original_ = nullptr;
};

} // namespace guitest
