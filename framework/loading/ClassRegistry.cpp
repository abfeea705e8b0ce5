#include "framework/loading/ClassRegistry.h"

#include "framework/core/Exceptions.h"

#include <algorithm>
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
        // A class registered again under its name replaces the first one.
        std::erase_if(classes_, [&](const ClassInfo* c) { return SameName(c->name, info.name); });
        classes_.push_back(&info);
    }
}

void ClassRegistry::Unregister(std::span<const ClassInfo> classes) {
    for (const ClassInfo& info : classes)
        std::erase(classes_, &info);
}

const ClassInfo* ClassRegistry::Find(std::string_view name) const {
    for (const ClassInfo* c : classes_)
        if (SameName(c->name, name))
            return c;
    return nullptr;
}

const PropertyDef* ClassRegistry::FindProperty(const ClassInfo& info, std::string_view name) const {
    for (const ClassInfo* c = &info; c; c = *c->baseName ? Find(c->baseName) : nullptr)
        for (const PropertyDef& property : c->properties)
            if (SameName(property.name, name))
                return &property;
    return nullptr;
}

} // namespace fw
