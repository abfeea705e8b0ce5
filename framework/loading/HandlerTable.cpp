#include "framework/loading/HandlerTable.h"

#include <algorithm>

namespace fw {

void HandlerTable::Add(const std::string& name, AnyHandler handler) {
    auto same = [&](const auto& entry) { return SameName(entry.first, name); };
    if (auto it = std::find_if(handlers_.begin(), handlers_.end(), same); it != handlers_.end())
        it->second = std::move(handler);
    else
        handlers_.emplace_back(name, std::move(handler));
}

const AnyHandler* HandlerTable::Find(std::string_view name) const {
    for (const auto& [handlerName, handler] : handlers_)
        if (SameName(handlerName, name))
            return &handler;
    return nullptr;
}

} // namespace fw
