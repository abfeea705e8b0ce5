// How a layout sets properties: per class, a table from property name to a
// setter that converts the layout's value and calls the class's own setter.
#pragma once

#include "framework/core/Text.h"
#include "framework/core/Component.h"
#include "framework/loading/HandlerTable.h"
#include "framework/core/Persistent.h"
#include "framework/core/Types.h"

#include "LayoutTree.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fw {

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
    void Reference(const layout::Property& property, std::function<void(TComponent&)> resolve);
    void ResolveReferences();

private:
    std::string fileName_;
    const HandlerTable& handlers_;
    TComponent& root_;
    std::vector<std::pair<layout::Property, std::function<void(TComponent&)>>> references_;
};

using PropertySetter = std::function<void(TPersistent& target, const layout::Property& property,
                                          LoadContext& context)>;

class PropertyTable;

// A property that is an object of its own (Font, Pen, FontOnNoFocus...).
struct SubObject {
    std::function<TPersistent&(TPersistent&)> get;
    const PropertyTable* table;
};

class PropertyTable {
public:
    explicit PropertyTable(const PropertyTable* base = nullptr) : base_(base) {}

    void Add(const std::string& name, PropertySetter setter) { setters_[name] = std::move(setter); }
    void AddObject(const std::string& name, SubObject object) {
        objects_[name] = std::move(object);
    }
    const PropertySetter* FindSetter(const std::string& name) const;
    const SubObject* FindObject(const std::string& name) const;

private:
    const PropertyTable* base_;
    std::map<std::string, PropertySetter, NameLess> setters_;
    std::map<std::string, SubObject, NameLess> objects_;
};

// Typed helpers to fill the table of class T.
template <class T> class Props {
public:
    explicit Props(PropertyTable& table) : table_(table) {}

    void Int(const std::string& name, void (T::*set)(int)) {
        Add(name, [set](T& t, auto& p, LoadContext& c) { (t.*set)(c.Int(p)); });
    }
    void Bool(const std::string& name, void (T::*set)(bool)) {
        Add(name, [set](T& t, auto& p, LoadContext& c) { (t.*set)(c.Bool(p)); });
    }
    void String(const std::string& name, void (T::*set)(const std::string&)) {
        Add(name, [set](T& t, auto& p, LoadContext& c) { (t.*set)(c.String(p)); });
    }
    void Color(const std::string& name, void (T::*set)(TColor)) {
        Add(name, [set](T& t, auto& p, LoadContext& c) { (t.*set)(c.Color(p)); });
    }
    template <class E>
    void Enum(const std::string& name, void (T::*set)(E),
              std::initializer_list<std::pair<const char*, E>> names) {
        std::map<std::string, E, NameLess> values(names.begin(), names.end());
        Add(name, [set, values](T& t, auto& p, LoadContext& c) {
            auto it = values.find(c.Identifier(p));
            if (it == values.end())
                c.Fail(p.line, "'" + c.Identifier(p) + "' is not a value of " + p.path);
            (t.*set)(it->second);
        });
    }
    void Flags(const std::string& name, void (T::*set)(unsigned),
               std::initializer_list<std::pair<const char*, unsigned>> names) {
        std::map<std::string, unsigned, NameLess> bits(names.begin(), names.end());
        Add(name, [set, bits](T& t, auto& p, LoadContext& c) {
            if (p.value.Kind() != layout::ValueKind::Set)
                c.Fail(p.line, p.path + " expects a set such as [a, b]");
            unsigned value = 0;
            for (const std::string& item : p.value.Set()) {
                auto it = bits.find(item);
                if (it == bits.end())
                    c.Fail(p.line, "'" + item + "' is not a member of " + p.path);
                value |= it->second;
            }
            (t.*set)(value);
        });
    }
    template <class Event> void EventHandler(const std::string& name, Event T::*event) {
        Add(name, [event](T& t, auto& p, LoadContext& c) { t.*event = c.Handler<Event>(p); });
    }
    // A reference to another component of the layout, resolved at the end.
    template <class C> void Reference(const std::string& name, void (T::*set)(C*)) {
        Add(name, [set](T& t, auto& p, LoadContext& c) {
            c.Reference(p, [&t, set, p, &c](TComponent& target) {
                auto* typed = dynamic_cast<C*>(&target);
                if (!typed)
                    c.Fail(p.line, "'" + target.Name() + "' cannot be used as " + p.path);
                (t.*set)(typed);
            });
        });
    }
    template <class O>
    void Object(const std::string& name, O& (T::*get)(), const PropertyTable& table) {
        table_.AddObject(name, {[get](TPersistent& target) -> TPersistent& {
                                    return (static_cast<T&>(target).*get)();
                                },
                                &table});
    }
    // Any other conversion.
    void Add(const std::string& name,
             std::function<void(T&, const layout::Property&, LoadContext&)> set) {
        table_.Add(name, [set](TPersistent& target, const layout::Property& p, LoadContext& c) {
            set(static_cast<T&>(target), p, c);
        });
    }

private:
    PropertyTable& table_;
};

} // namespace fw
