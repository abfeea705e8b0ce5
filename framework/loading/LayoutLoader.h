// Builds components from a layout: creates classes by name, places them
// under their parents and applies properties through their setters, in file order.
#pragma once

#include "framework/loading/HandlerTable.h"

#include "framework/layout/LayoutTree.h"

#include "framework/core/Component.h"

#include <string>
#include <string_view>

namespace fw {

class TComponent;

// Applies `tree` to `root` (which must be of the root object's class) and
// creates its children, owned by `root`. Throws layout::ParseError.
void LoadLayout(TComponent& root, const layout::Object& tree, const HandlerTable& handlers,
                const std::string& fileName);

// The same, reading the layout file `fileName` compiled into the program
// (resource name: the file name in capitals, '.' as '_').
void LoadLayoutResource(TComponent& root, std::string_view fileName, const HandlerTable& handlers);

// The component of `root` that its layout `layoutName` names `name`, of class
// T; a layout without it is a broken layout (layout::ParseError).
template <class T>
T& LayoutComponent(const TComponent& root, std::string_view layoutName, const std::string& name) {
    auto* component = As<T>(root.FindComponent(name));
    if (!component)
        throw layout::ParseError(layoutName, 0,
                                 "no component '" + name + "' of the expected class");
    return *component;
}

// Reads a form's layout from the form's own constructor: the form names its
// handlers, the layout is applied, the form finds the components it works
// with, and then its OnCreate runs.
template <class Form> void InitializeForm(Form& form, std::string_view layoutName) {
    HandlerTable handlers;
    form.DefineHandlers(handlers);
    LoadLayoutResource(form, layoutName, handlers);
    form.BindComponents();
    form.DoCreate();
}

} // namespace fw
