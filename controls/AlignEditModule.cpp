#include "controls/AlignEditModule.h"

#include "controls/AlignEdit.h"
#include "framework/loading/ClassRegistry.h"

using namespace fw;

namespace AlignEdit {

namespace {

constexpr NamedValue kAlignments[] = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};

constexpr PropertyDef kAlignEdit[] = {
    Enum<&TAlignEdit::SetAlignment>("Alignment", kAlignments),
    Color<&TAlignEdit::SetColorOnFocus>("ColorOnFocus"),
    Color<&TAlignEdit::SetColorOnNoFocus>("ColorOnNoFocus"),
    Bool<&TAlignEdit::SetExitOnReturn>("ExitOnReturn"),
    // The layout sets the fonts attribute by attribute, on the owned objects.
    Object<static_cast<TFont& (TAlignEdit::*)()>(&TAlignEdit::FontOnFocus)>("FontOnFocus", "TFont"),
    Object<static_cast<TFont& (TAlignEdit::*)()>(&TAlignEdit::FontOnNoFocus)>("FontOnNoFocus",
                                                                              "TFont"),
    Bool<&TAlignEdit::SetMultiLine>("MultiLine"),
    Bool<&TAlignEdit::SetWordWrap>("WordWrap"),
};

constexpr ClassInfo kClasses[] = {Class<TAlignEdit>("TAlignEdit", "TCustomEdit", kAlignEdit)};

} // namespace

void Initialize() {
    ClassRegistry::Instance().Register(kClasses);
}

void Finalize() {
    ClassRegistry::Instance().Unregister(kClasses);
}

} // namespace AlignEdit
