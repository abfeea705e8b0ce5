#include "framework/core/Component.h"

#include "framework/core/Text.h"

#include <algorithm>

namespace fw {

TComponent::TComponent(TComponent* owner) : owner_(nullptr) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* component) {
    component->owner_ = this;
    components_.emplace_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find_if(components_.begin(), components_.end(),
                           [component](const auto& owned) { return owned.get() == component; });
    if (it != components_.end()) {
        it->release();
        components_.erase(it);
    }
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        std::unique_ptr<TComponent> last = std::move(components_.back());
        components_.pop_back();
        last->owner_ = nullptr;
        last->BeforeDestruction();
        last.reset();
    }
}

void TComponent::Free(TComponent* component) {
    if (!component)
        return;
    component->BeforeDestruction();
    if (TComponent* owner = component->owner_) {
        owner->RemoveComponent(component);
    }
    delete component;
}

void TComponent::EndLoading() {
    loading_ = false;
    Loaded();
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (const auto& component : components_)
        if (SameName(component->name_, name))
            return component.get();
    return nullptr;
}

} // namespace fw
