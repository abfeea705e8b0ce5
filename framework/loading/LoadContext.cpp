#include "framework/core/Text.h"
#include "framework/loading/ClassRegistry.h"
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

void LoadContext::Reference(const layout::Property& property,
                            std::function<void(TComponent&)> resolve) {
    Identifier(property);
    references_.emplace_back(property, std::move(resolve));
}

void LoadContext::ResolveReferences() {
    for (auto& [property, resolve] : references_) {
        const std::string& name = property.value.Identifier();
        TComponent* target = SameName(name, root_.Name()) ? &root_ : root_.FindComponent(name);
        if (!target)
            Fail(property.line, "no component named '" + name + "'");
        resolve(*target);
    }
    references_.clear();
}

} // namespace fw
