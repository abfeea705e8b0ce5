#include "controls/LinesModule.h"

#include "controls/Lines.h"
#include "framework/loading/ClassRegistry.h"

using namespace fw;

namespace Lines {

void Initialize() {
    ClassRegistry& registry = ClassRegistry::Instance();
    Props<TLine> line(registry.Register<TLine>("TLine", "TGraphicControl"));
    line.Object("Brush", &TLine::Brush, registry.Properties("TBrush"));
    line.Object("Pen", &TLine::Pen, registry.Properties("TPen"));
    line.Int("FromX", &TLine::SetFromX);
    line.Int("ToX", &TLine::SetToX);
    line.Int("FromY", &TLine::SetFromY);
    line.Int("ToY", &TLine::SetToY);
    line.Enum<TLineType>("Line", &TLine::SetLine,
                         {{"ltCustom", ltCustom},
                          {"ltHorizontal", ltHorizontal},
                          {"ltVertical", ltVertical},
                          {"ltTop", ltTop},
                          {"ltBottom", ltBottom},
                          {"ltLeft", ltLeft},
                          {"ltRight", ltRight},
                          {"ltUpDiagonal", ltUpDiagonal},
                          {"ltDownDiagonal", ltDownDiagonal}});
}

void Finalize() {
    ClassRegistry::Instance().Unregister("TLine");
}

} // namespace Lines
