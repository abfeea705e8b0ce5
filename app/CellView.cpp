#include "app/CellView.h"

#include "framework/widgets/Shape.h"

void ShowCell(fw::TShape* const dots[6], braille::DotSet cell) {
    for (int dot = 1; dot <= 6; ++dot)
        dots[dot - 1]->SetVisible(cell.Has(dot));
}

braille::DotSet ReadCell(fw::TShape* const dots[6]) {
    braille::DotSet cell;
    for (int dot = 1; dot <= 6; ++dot)
        cell = cell.With(dot, dots[dot - 1]->Visible());
    return cell;
}
