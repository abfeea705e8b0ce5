#include "controls/AlignEditModule.h"

#include "controls/AlignEdit.h"
#include "framework/loading/ClassRegistry.h"

using namespace fw;

namespace AlignEdit {

void Initialize() {
    ClassRegistry& registry = ClassRegistry::Instance();
    const PropertyTable& fontTable = registry.Properties("TFont");
    Props<TAlignEdit> edit(registry.Register<TAlignEdit>("TAlignEdit", "TCustomEdit"));
    edit.Enum<TAlignment>("Alignment", &TAlignEdit::SetAlignment,
                          {{"taLeftJustify", taLeftJustify},
                           {"taRightJustify", taRightJustify},
                           {"taCenter", taCenter}});
    edit.Color("ColorOnFocus", &TAlignEdit::SetColorOnFocus);
    edit.Color("ColorOnNoFocus", &TAlignEdit::SetColorOnNoFocus);
    edit.Bool("ExitOnReturn", &TAlignEdit::SetExitOnReturn);
    // The layout sets the fonts attribute by attribute, on the owned objects.
    edit.Object("FontOnFocus", static_cast<TFont& (TAlignEdit::*)()>(&TAlignEdit::FontOnFocus),
                fontTable);
    edit.Object("FontOnNoFocus", static_cast<TFont& (TAlignEdit::*)()>(&TAlignEdit::FontOnNoFocus),
                fontTable);
    edit.Bool("MultiLine", &TAlignEdit::SetMultiLine);
    edit.Bool("WordWrap", &TAlignEdit::SetWordWrap);
}

void Finalize() {
    ClassRegistry::Instance().Unregister("TAlignEdit");
}

} // namespace AlignEdit
