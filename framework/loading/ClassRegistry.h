// Classes that layouts may name, with their property tables. Each module
// registers its classes when it is initialised and takes them back when it is
// finalised.
#pragma once

#include "framework/core/Text.h"
#include "framework/loading/Properties.h"

#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

namespace fw {

struct ClassInfo {
    const char* name;
    // The class whose properties this one inherits; empty for none. It must
    // be registered first.
    const char* baseName;
    // Null for classes a layout may describe but not create (abstract ones, forms).
    TComponent* (*create)(TComponent* owner);
    bool (*isInstance)(TPersistent& object);
    std::span<const PropertyDef> properties;
};

namespace classes {
template <class T> TComponent* Create(TComponent* owner) {
    return new T(owner);
}
template <class T> bool IsInstance(TPersistent& object) {
    return As<T>(&object) != nullptr;
}
} // namespace classes

// A class that layouts may create, or only describe when it cannot be made
// from an owner alone.
template <class T>
constexpr ClassInfo Class(const char* name, const char* baseName,
                          std::span<const PropertyDef> properties = {}) {
    TComponent* (*create)(TComponent*) = nullptr;
    if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
        create = &classes::Create<T>;
    return {name, baseName, create, &classes::IsInstance<T>, properties};
}
// A class that layouts describe but never create (a form's own class).
template <class T>
constexpr ClassInfo FormClass(const char* name, const char* baseName,
                              std::span<const PropertyDef> properties = {}) {
    return {name, baseName, nullptr, &classes::IsInstance<T>, properties};
}

class ClassRegistry {
public:
    static ClassRegistry& Instance();

    // Registers the classes in order; each one's base must be registered
    // already (LogicError otherwise).
    void Register(std::span<const ClassInfo> classes);
    void Unregister(std::span<const ClassInfo> classes);
    const ClassInfo* Find(std::string_view name) const;
    // The property `name` of the class or of one of its bases.
    const PropertyDef* FindProperty(const ClassInfo& info, std::string_view name) const;

private:
    // A few dozen classes: a list looked through is enough.
    std::vector<const ClassInfo*> classes_;
};

} // namespace fw
