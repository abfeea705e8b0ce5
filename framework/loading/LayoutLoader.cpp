#include "framework/loading/LayoutLoader.h"

#include "framework/loading/ClassRegistry.h"
#include "framework/widgets/MainMenu.h"
#include "framework/core/Resources.h"
#include "framework/core/Text.h"
#include "framework/window/WinControl.h"

#include "framework/layout/LayoutBinary.h"

#include <windows.h>

#include <algorithm>

namespace fw {

namespace {

class Loader {
public:
    Loader(TComponent& root, const HandlerTable& handlers, const std::string& fileName)
        : root_(root), context_(fileName, handlers, root) {}

    void Load(const layout::Object& tree) {
        const ClassInfo* info = ClassRegistry::Instance().Find(tree.className);
        if (!info || !info->isInstance(root_))
            context_.Fail(tree.line, "this form is not of class '" + tree.className + "'");
        root_.SetName(tree.name);
        root_.BeginLoading();
        Apply(root_, *info, tree);
        context_.ResolveReferences();
        root_.EndLoading();
    }

private:
    void Apply(TComponent& component, const ClassInfo& info, const layout::Object& object) {
        for (const layout::Property& property : object.properties)
            SetProperty(component, info, property, object.className);
        for (const layout::Object& child : object.children)
            CreateChild(component, child);
    }

    void CreateChild(TComponent& parent, const layout::Object& object) {
        const ClassInfo* info = ClassRegistry::Instance().Find(object.className);
        if (!info)
            context_.Fail(object.line, "unknown class '" + object.className + "'");
        if (!info->create)
            context_.Fail(object.line, "class '" + object.className + "' cannot be created here");
        TComponent* component = info->create(&root_);
        component->SetName(object.name);
        component->BeginLoading();
        Place(parent, *component, object);
        Apply(*component, *info, object);
        component->EndLoading();
    }

    // Puts a new component where the layout nests it.
    void Place(TComponent& parent, TComponent& child, const layout::Object& object) {
        if (auto* control = As<TControl>(&child)) {
            auto* container = As<TWinControl>(&parent);
            if (!container)
                context_.Fail(object.line, "'" + parent.Name() + "' cannot hold the control '" +
                                               object.name + "'");
            control->SetParent(container);
        } else if (auto* item = As<TMenuItem>(&child)) {
            if (auto* menu = As<TMainMenu>(&parent))
                menu->Add(item);
            else if (auto* parentItem = As<TMenuItem>(&parent))
                parentItem->Add(item);
            else
                context_.Fail(object.line, "menu item '" + object.name + "' must be in a menu");
        }
    }

    void SetProperty(TPersistent& target, const ClassInfo& info, const layout::Property& property,
                     const std::string& className) {
        const ClassRegistry& registry = ClassRegistry::Instance();
        TPersistent* object = &target;
        const ClassInfo* current = &info;
        std::string_view path = property.path;
        for (size_t dot; (dot = path.find('.')) != std::string_view::npos;) {
            std::string_view head = path.substr(0, dot);
            const PropertyDef* sub = registry.FindProperty(*current, head);
            current = sub && sub->object ? registry.Find(sub->objectClass) : nullptr;
            if (!current)
                context_.Fail(property.line,
                              "unknown property '" + std::string(head) + "' of class " + className);
            object = &sub->object(*object);
            path = path.substr(dot + 1);
        }
        const PropertyDef* setter = registry.FindProperty(*current, path);
        if (!setter || !setter->apply)
            context_.Fail(property.line,
                          "unknown property '" + property.path + "' of class " + className);
        setter->apply(*object, property, context_, *setter);
    }

    TComponent& root_;
    LoadContext context_;
};

std::string ResourceName(std::string_view fileName) {
    std::string name(fileName);
    for (char& c : name)
        c = c == '.' ? '_' : c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    return name;
}

} // namespace

void LoadLayout(TComponent& root, const layout::Object& tree, const HandlerTable& handlers,
                const std::string& fileName) {
    Loader(root, handlers, fileName).Load(tree);
}

void LoadLayoutResource(TComponent& root, std::string_view fileName, const HandlerTable& handlers) {
    // The build compiled the layout's text (tools/pack --layout).
    std::optional<std::string> compiled = LoadPackedResource(ToWide(ResourceName(fileName)));
    if (!compiled)
        throw layout::ParseError(fileName, 0, "layout not found in the program's resources");
    layout::Object tree = layout::Deserialize(*compiled, fileName);
    LoadLayout(root, tree, handlers, std::string(fileName));
}

} // namespace fw
