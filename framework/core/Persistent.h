// Base of everything a layout can set properties on, and the way to ask what
// class such an object is.
#pragma once

#include <type_traits>

namespace fw {

// A class, for asking what class an object is: each names its base, so that
// the chain leads up to TPersistent.
struct ClassId {
    const ClassId* base;
};

class TPersistent {
public:
    using ThisClass = TPersistent;
    static constexpr ClassId kClassId{nullptr};
    virtual const ClassId& GetClassId() const { return kClassId; }
    // True when the object is of the class `id` or of a class derived from it.
    bool InheritsFrom(const ClassId& id) const {
        for (const ClassId* c = &GetClassId(); c; c = c->base)
            if (c == &id)
                return true;
        return false;
    }

    TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;
    virtual ~TPersistent() = default;
};

// The first line of a class that code may ask about with As<Class>: it names
// the class and its base (the base along the TPersistent line). The program
// is built without the compiler's run-time type information, whose tables
// took a twentieth of the program file; this costs a few bytes per class.
#define FW_CLASS(Class, Base)                                                                      \
public:                                                                                            \
    using ThisClass = Class;                                                                       \
    static constexpr ::fw::ClassId kClassId{&Base::kClassId};                                      \
    const ::fw::ClassId& GetClassId() const override {                                             \
        return kClassId;                                                                           \
    }                                                                                              \
                                                                                                   \
private:

// `object` as a T, or null when it is null or not a T.
template <class T, class From> T* As(From* object) {
    using Plain = std::remove_const_t<T>;
    static_assert(std::is_same_v<typename Plain::ThisClass, Plain>,
                  "the class must declare itself with FW_CLASS");
    return object && object->InheritsFrom(Plain::kClassId) ? static_cast<T*>(object) : nullptr;
}

} // namespace fw
