#include "framework/loading/ClassRegistry.h"

#include <stdexcept>

namespace fw {

ClassRegistry& ClassRegistry::Instance() {
    static ClassRegistry registry;
    return registry;
}

ClassInfo& ClassRegistry::Insert(const std::string& name, const std::string& baseName) {
    const PropertyTable* base = baseName.empty() ? nullptr : &Properties(baseName);
    auto info = std::make_unique<ClassInfo>(ClassInfo{name, nullptr, nullptr, PropertyTable(base)});
    ClassInfo& result = *info;
    classes_[name] = std::move(info);
    return result;
}

const ClassInfo* ClassRegistry::Find(const std::string& name) const {
    auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : it->second.get();
}

const PropertyTable& ClassRegistry::Properties(const std::string& name) const {
    const ClassInfo* info = Find(name);
    if (!info)
        throw std::logic_error("class " + name + " is not registered");
    return info->properties;
}

void ClassRegistry::Unregister(const std::string& name) {
    classes_.erase(name);
}

const PropertySetter* PropertyTable::FindSetter(const std::string& name) const {
    for (const PropertyTable* table = this; table; table = table->base_) {
        auto it = table->setters_.find(name);
        if (it != table->setters_.end())
            return &it->second;
    }
    return nullptr;
}

const SubObject* PropertyTable::FindObject(const std::string& name) const {
    for (const PropertyTable* table = this; table; table = table->base_) {
        auto it = table->objects_.find(name);
        if (it != table->objects_.end())
            return &it->second;
    }
    return nullptr;
}

} // namespace fw
