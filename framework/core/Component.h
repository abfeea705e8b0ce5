// Ownership and naming: a component frees the components it owns.
#pragma once

#include "framework/core/Persistent.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TComponent : public TPersistent {
    FW_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Component(int index) const { return components_[size_t(index)].get(); }
    TComponent* FindComponent(std::string_view name) const;

    // Runs on a component that is still whole, just before it is deleted by
    // its owner or by Free: the place for work that needs virtual calls.
    virtual void BeforeDestruction() {}
    // Called once a layout has set all properties of the component.
    virtual void Loaded() {}
    // True while a layout sets the component's properties, until Loaded().
    bool Loading() const { return loading_; }
    // The layout loader's brackets around setting the properties; EndLoading
    // runs Loaded().
    void BeginLoading() { loading_ = true; }
    void EndLoading();

    // Deletes a component properly (BeforeDestruction first, then its owner
    // forgets it).
    static void Free(TComponent* component);

protected:
    // Deletes the owned components, newest first.
    void DestroyComponents();

private:
    void InsertComponent(TComponent* component);
    // Forgets a component without deleting it.
    void RemoveComponent(TComponent* component);

    TComponent* owner_;
    std::string name_;
    int tag_ = 0;
    bool loading_ = false;
    std::vector<std::unique_ptr<TComponent>> components_;
};

} // namespace fw
