#include "framework/core/Text.h"
#include "framework/loading/Colors.h"
#include "framework/core/Component.h"
#include "framework/loading/Properties.h"

#include <limits>

namespace fw {

LoadContext::LoadContext(std::string fileName, const HandlerTable& handlers, TComponent& root)
    : fileName_(std::move(fileName)), handlers_(handlers), root_(root) {}

void LoadContext::Fail(int line, const std::string& message) const {
    throw layout::ParseError(fileName_, line, message);
}

std::int64_t LoadContext::Number(const layout::Property& property) const {
    if (property.value.Kind() != layout::ValueKind::Number)
        Fail(property.line, property.path + " expects a number");
    return property.value.Number();
}

int LoadContext::Int(const layout::Property& property) const {
    std::int64_t value = Number(property);
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        Fail(property.line, property.path + " is out of range");
    return int(value);
}

bool LoadContext::Bool(const layout::Property& property) const {
    const std::string& word = Identifier(property);
    if (SameName(word, "True"))
        return true;
    if (SameName(word, "False"))
        return false;
    Fail(property.line, property.path + " expects True or False");
}

const std::string& LoadContext::String(const layout::Property& property) const {
    if (property.value.Kind() != layout::ValueKind::String)
        Fail(property.line, property.path + " expects a quoted text");
    return property.value.String();
}

const std::string& LoadContext::Identifier(const layout::Property& property) const {
    if (property.value.Kind() != layout::ValueKind::Identifier)
        Fail(property.line, property.path + " expects a name");
    return property.value.Identifier();
}

TColor LoadContext::Color(const layout::Property& property) const {
    if (property.value.Kind() == layout::ValueKind::Number)
        return TColor(property.value.Number());
    auto color = ColorFromName(Identifier(property));
    if (!color)
        Fail(property.line, "unknown colour '" + Identifier(property) + "'");
    return *color;
}

int LoadContext::Enum(const layout::Property& property, std::span<const NamedValue> values) const {
    const std::string& name = Identifier(property);
    for (const NamedValue& value : values)
        if (SameName(value.name, name))
            return value.value;
    Fail(property.line, "'" + name + "' is not a value of " + property.path);
}

unsigned LoadContext::Flags(const layout::Property& property,
                            std::span<const NamedValue> values) const {
    if (property.value.Kind() != layout::ValueKind::Set)
        Fail(property.line, property.path + " expects a set such as [a, b]");
    unsigned bits = 0;
    for (const std::string& item : property.value.Set()) {
        const NamedValue* member = nullptr;
        for (const NamedValue& value : values)
            if (SameName(value.name, item))
                member = &value;
        if (!member)
            Fail(property.line, "'" + item + "' is not a member of " + property.path);
        bits |= unsigned(member->value);
    }
    return bits;
}

void LoadContext::Reference(const layout::Property& property, TPersistent& target,
                            ReferenceResolve resolve) {
    Identifier(property);
    references_.push_back({property, &target, resolve});
}

void LoadContext::ResolveReferences() {
    for (const PendingReference& reference : references_) {
        const std::string& name = reference.property.value.Identifier();
        TComponent* component = SameName(name, root_.Name()) ? &root_ : root_.FindComponent(name);
        if (!component)
            Fail(reference.property.line, "no component named '" + name + "'");
        reference.resolve(*reference.target, *component, reference.property, *this);
    }
    references_.clear();
}

} // namespace fw
