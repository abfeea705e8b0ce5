#include "app/CellView.h"

#include "framework/core/Exceptions.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

TBrailleCell::TBrailleCell(fw::TPanel& panel) : panel_(&panel) {
    size_t found = 0;
    for (fw::TControl* control : panel.Controls()) {
        auto* shape = dynamic_cast<fw::TShape*>(control);
        if (!shape)
            continue;
        if (found == dots_.size())
            throw fw::Exception(panel.Name() + " holds more than six dots");
        dots_[found++] = shape;
    }
    if (found != dots_.size())
        throw fw::Exception(panel.Name() + " holds fewer than six dots");
}

void TBrailleCell::Show(braille::DotSet cell) {
    for (int dot = 1; dot <= 6; ++dot)
        dots_[size_t(dot - 1)]->SetVisible(cell.Has(dot));
}

braille::DotSet TBrailleCell::Read() const {
    braille::DotSet cell;
    for (int dot = 1; dot <= 6; ++dot)
        cell = cell.With(dot, dots_[size_t(dot - 1)]->Visible());
    return cell;
}

void TBrailleCell::ToggleDot(int dot) {
    fw::TShape* shape = dots_[size_t(dot - 1)];
    shape->SetVisible(!shape->Visible());
}
