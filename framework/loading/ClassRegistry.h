// Classes that layouts may name, with their property tables. Each module
// registers its classes when it is initialised.
#pragma once

#include "framework/core/Text.h"
#include "framework/loading/Properties.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace fw {

struct ClassInfo {
    std::string name;
    // Null for classes a layout may describe but not create (abstract ones, forms).
    std::function<TComponent*(TComponent* owner)> create;
    std::function<bool(TPersistent&)> isInstance;
    PropertyTable properties;
};

class ClassRegistry {
public:
    static ClassRegistry& Instance();

    // Registers T under `name`, inheriting the properties of `baseName`.
    template <class T>
    PropertyTable& Register(const std::string& name, const std::string& baseName) {
        ClassInfo& info = Insert(name, baseName);
        if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
            info.create = [](TComponent* owner) -> TComponent* { return new T(owner); };
        info.isInstance = [](TPersistent& object) { return dynamic_cast<T*>(&object) != nullptr; };
        return info.properties;
    }
    // A class that layouts describe but never create (a form's own class).
    template <class T>
    PropertyTable& RegisterForm(const std::string& name, const std::string& baseName) {
        ClassInfo& info = Insert(name, baseName);
        info.isInstance = [](TPersistent& object) { return dynamic_cast<T*>(&object) != nullptr; };
        return info.properties;
    }
    const ClassInfo* Find(const std::string& name) const;
    const PropertyTable& Properties(const std::string& name) const;
    void Unregister(const std::string& name);

private:
    ClassInfo& Insert(const std::string& name, const std::string& baseName);
    std::map<std::string, std::unique_ptr<ClassInfo>, NameLess> classes_;
};

} // namespace fw
