#include "controls/LinesModule.h"

#include "controls/Lines.h"
#include "framework/loading/ClassRegistry.h"

using namespace fw;

namespace Lines {

namespace {

constexpr NamedValue kLineTypes[] = {
    {"ltCustom", ltCustom}, {"ltHorizontal", ltHorizontal}, {"ltVertical", ltVertical},
    {"ltTop", ltTop},       {"ltBottom", ltBottom},         {"ltLeft", ltLeft},
    {"ltRight", ltRight},   {"ltUpDiagonal", ltUpDiagonal}, {"ltDownDiagonal", ltDownDiagonal}};

constexpr PropertyDef kLine[] = {
    Object<&TLine::Brush>("Brush", "TBrush"),
    Object<&TLine::Pen>("Pen", "TPen"),
    Int<&TLine::SetFromX>("FromX"),
    Int<&TLine::SetToX>("ToX"),
    Int<&TLine::SetFromY>("FromY"),
    Int<&TLine::SetToY>("ToY"),
    Enum<&TLine::SetLine>("Line", kLineTypes),
};

constexpr ClassInfo kClasses[] = {Class<TLine>("TLine", "TGraphicControl", kLine)};

} // namespace

void Initialize() {
    ClassRegistry::Instance().Register(kClasses);
}

void Finalize() {
    ClassRegistry::Instance().Unregister(kClasses);
}

} // namespace Lines
