#include "app/CellView.h"

#include "framework/core/Exceptions.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

#include <oleacc.h>

namespace {
// The raised dots as a reader speaks them: "points 1 2 4", "point 3".
std::string SpokenDots(braille::DotSet cell) {
    if (cell.Empty())
        return "aucun point";
    return (cell.Mask() & (cell.Mask() - 1) ? "points " : "point ") + cell.ToString();
}
} // namespace

TBrailleCell::TBrailleCell(fw::TPanel& panel) : panel_(&panel) {
    size_t found = 0;
    for (fw::TControl* control : panel.Controls()) {
        auto* shape = fw::As<fw::TShape>(control);
        if (!shape)
            continue;
        if (found == dots_.size())
            throw fw::Exception(panel.Name() + " holds more than six dots");
        dots_[found++] = shape;
    }
    if (found != dots_.size())
        throw fw::Exception(panel.Name() + " holds fewer than six dots");
}

void TBrailleCell::MakeAccessible(std::string name) {
    panel_->OnAccessibleInfo = [this, name](fw::TAccessibleInfo& info) {
        info.name = name;
        info.value = SpokenDots(Read());
        info.role = ROLE_SYSTEM_GRAPHIC;
        info.focusable = panel_->TabStop();
        info.readOnly = !panel_->TabStop();
    };
}

void TBrailleCell::Changed(braille::DotSet before) {
    if (Read() != before)
        panel_->AccessibleValueChanged();
}

void TBrailleCell::Show(braille::DotSet cell) {
    const braille::DotSet before = Read();
    for (int dot = 1; dot <= 6; ++dot)
        dots_[size_t(dot - 1)]->SetVisible(cell.Has(dot));
    Changed(before);
}

braille::DotSet TBrailleCell::Read() const {
    braille::DotSet cell;
    for (int dot = 1; dot <= 6; ++dot)
        cell = cell.With(dot, dots_[size_t(dot - 1)]->Visible());
    return cell;
}

void TBrailleCell::LowerDotsOutside(braille::DotSet kept) {
    const braille::DotSet before = Read();
    for (int dot = 1; dot <= 6; ++dot)
        if (!kept.Has(dot))
            dots_[size_t(dot - 1)]->SetVisible(false);
    Changed(before);
}

void TBrailleCell::ToggleDot(int dot) {
    fw::TShape* shape = dots_[size_t(dot - 1)];
    shape->SetVisible(!shape->Visible());
    panel_->AccessibleValueChanged();
}
