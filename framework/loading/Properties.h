// How a layout sets properties: per class, a constant table from property
// name to a small function that converts the layout's value and calls the
// class's own setter. The tables are built by the compiler, so a module's
// registration costs nothing at start-up and no code per property beyond its
// own few instructions.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Persistent.h"
#include "framework/core/Text.h"
#include "framework/core/Types.h"
#include "framework/loading/HandlerTable.h"

#include "framework/layout/LayoutTree.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// One name of an enumeration, or one member of a set, as a layout writes it.
struct NamedValue {
    template <class E>
    constexpr NamedValue(const char* name, E value) : name(name), value(static_cast<int>(value)) {}

    const char* name;
    int value;
};

class LoadContext;
struct PropertyDef;

using PropertyApply = void (*)(TPersistent& target, const layout::Property& property,
                               LoadContext& context, const PropertyDef& def);
using ReferenceResolve = void (*)(TPersistent& target, TComponent& component,
                                  const layout::Property& property, LoadContext& context);

// A property of a class: either a value set through `apply`, or an object of
// its own (Font, Pen...) reached through `object`, whose properties are those
// of the class `objectClass`.
struct PropertyDef {
    const char* name;
    PropertyApply apply = nullptr;
    std::span<const NamedValue> values = {};
    TPersistent& (*object)(TPersistent&) = nullptr;
    const char* objectClass = nullptr;
};

// What a setter needs besides the value: errors with the file and line,
// handlers by name, and references to other components of the layout.
class LoadContext {
public:
    LoadContext(std::string fileName, const HandlerTable& handlers, TComponent& root);

    [[noreturn]] void Fail(int line, const std::string& message) const;
    std::int64_t Number(const layout::Property& property) const;
    int Int(const layout::Property& property) const;
    bool Bool(const layout::Property& property) const;
    const std::string& String(const layout::Property& property) const;
    const std::string& Identifier(const layout::Property& property) const;
    TColor Color(const layout::Property& property) const;
    // The value of the name the layout gives, among `values`.
    int Enum(const layout::Property& property, std::span<const NamedValue> values) const;
    // The members of the set the layout gives, or-ed together.
    unsigned Flags(const layout::Property& property, std::span<const NamedValue> values) const;
    // A handler of the form; fails if it is missing or of another kind.
    template <class Event> Event Handler(const layout::Property& property) const {
        const AnyHandler* handler = handlers_.Find(Identifier(property));
        if (!handler)
            Fail(property.line, "no event handler named '" + Identifier(property) + "'");
        if (const Event* event = std::get_if<Event>(handler))
            return *event;
        Fail(property.line, "handler '" + Identifier(property) + "' cannot serve " + property.path);
    }
    // Runs `resolve` with the named component once the whole layout exists.
    void Reference(const layout::Property& property, TPersistent& target, ReferenceResolve resolve);
    void ResolveReferences();

private:
    struct PendingReference {
        layout::Property property;
        TPersistent* target;
        ReferenceResolve resolve;
    };

    std::string fileName_;
    const HandlerTable& handlers_;
    TComponent& root_;
    std::vector<PendingReference> references_;
};

namespace props {

// The class and argument of a setter `void (T::*)(A)`.
template <class M> struct Setter;
template <class T, class A> struct Setter<void (T::*)(A)> {
    using Class = T;
    using Arg = A;
};
// The class and type of a data member `E T::*` (an event).
template <class M> struct Member;
template <class T, class E> struct Member<E T::*> {
    using Class = T;
    using Type = E;
};
// The class and result of a getter `O& (T::*)()` (a sub-object).
template <class M> struct Getter;
template <class T, class O> struct Getter<O& (T::*)()> { using Class = T; };

template <auto Set> typename Setter<decltype(Set)>::Class& Target(TPersistent& target) {
    return static_cast<typename Setter<decltype(Set)>::Class&>(target);
}

template <auto Set>
void ApplyInt(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    (Target<Set>(t).*Set)(c.Int(p));
}
template <auto Set>
void ApplyBool(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    (Target<Set>(t).*Set)(c.Bool(p));
}
template <auto Set>
void ApplyString(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    (Target<Set>(t).*Set)(c.String(p));
}
template <auto Set>
void ApplyColor(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    (Target<Set>(t).*Set)(c.Color(p));
}
template <auto Set>
void ApplyEnum(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef& d) {
    using E = typename Setter<decltype(Set)>::Arg;
    (Target<Set>(t).*Set)(static_cast<E>(c.Enum(p, d.values)));
}
template <auto Set>
void ApplyFlags(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef& d) {
    (Target<Set>(t).*Set)(c.Flags(p, d.values));
}
template <auto Event>
void ApplyHandler(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    using M = Member<decltype(Event)>;
    static_cast<typename M::Class&>(t).*Event = c.Handler<typename M::Type>(p);
}
// `Class` is the component class the setter takes, or one that converts to it.
template <auto Set, class Class>
void ResolveTo(TPersistent& t, TComponent& component, const layout::Property& p, LoadContext& c) {
    auto* typed = As<Class>(&component);
    if (!typed)
        c.Fail(p.line, "'" + component.Name() + "' cannot be used as " + p.path);
    (Target<Set>(t).*Set)(typed);
}
template <auto Set, class Class>
void ApplyReference(TPersistent& t, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    c.Reference(p, t, &ResolveTo<Set, Class>);
}
template <auto Get> TPersistent& GetObject(TPersistent& t) {
    return (static_cast<typename Getter<decltype(Get)>::Class&>(t).*Get)();
}

} // namespace props

// The entries of a property table: Int<&TControl::SetLeft>("Left") and so on.
template <auto Set> constexpr PropertyDef Int(const char* name) {
    return {name, &props::ApplyInt<Set>};
}
template <auto Set> constexpr PropertyDef Bool(const char* name) {
    return {name, &props::ApplyBool<Set>};
}
template <auto Set> constexpr PropertyDef String(const char* name) {
    return {name, &props::ApplyString<Set>};
}
template <auto Set> constexpr PropertyDef Color(const char* name) {
    return {name, &props::ApplyColor<Set>};
}
template <auto Set>
constexpr PropertyDef Enum(const char* name, std::span<const NamedValue> values) {
    return {name, &props::ApplyEnum<Set>, values};
}
template <auto Set>
constexpr PropertyDef Flags(const char* name, std::span<const NamedValue> members) {
    return {name, &props::ApplyFlags<Set>, members};
}
template <auto Event> constexpr PropertyDef EventHandler(const char* name) {
    return {name, &props::ApplyHandler<Event>};
}
// A reference to another component of the layout, resolved at the end. The
// component must be a `Class`: by default the class the setter takes; another
// one when the setter takes an interface, such as a form's menu.
template <auto Set, class Class = std::remove_pointer_t<typename props::Setter<decltype(Set)>::Arg>>
constexpr PropertyDef Reference(const char* name) {
    return {name, &props::ApplyReference<Set, Class>};
}
// An object of its own, set attribute by attribute with the properties of `className`.
template <auto Get> constexpr PropertyDef Object(const char* name, const char* className) {
    return {name, nullptr, {}, &props::GetObject<Get>, className};
}
// Any other conversion.
constexpr PropertyDef Custom(const char* name, PropertyApply apply) {
    return {name, apply};
}

} // namespace fw
