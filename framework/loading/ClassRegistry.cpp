#include "framework/loading/ClassRegistry.h"

#include "framework/core/Exceptions.h"

#include <string>

namespace fw {

ClassRegistry& ClassRegistry::Instance() {
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::Register(std::span<const ClassInfo> classes) {
    for (const ClassInfo& info : classes) {
        if (*info.baseName && !Find(info.baseName))
            throw LogicError(std::string("class ") + info.baseName + " is not registered");
        classes_[info.name] = &info;
    }
}

void ClassRegistry::Unregister(std::span<const ClassInfo> classes) {
    for (const ClassInfo& info : classes) {
        auto it = classes_.find(info.name);
        if (it != classes_.end() && it->second == &info)
            classes_.erase(it);
    }
}

const ClassInfo* ClassRegistry::Find(std::string_view name) const {
    auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : it->second;
}

const PropertyDef* ClassRegistry::FindProperty(const ClassInfo& info, std::string_view name) const {
    for (const ClassInfo* c = &info; c; c = *c->baseName ? Find(c->baseName) : nullptr)
        for (const PropertyDef& property : c->properties)
            if (SameName(property.name, name))
                return &property;
    return nullptr;
}

} // namespace fw
