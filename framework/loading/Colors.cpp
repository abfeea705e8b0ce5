#include "framework/loading/Colors.h"

#include "framework/core/Text.h"

#include <utility>

namespace fw {

std::optional<TColor> ColorFromName(std::string_view name) {
    static constexpr std::pair<std::string_view, TColor> kColors[] = {
        {"clBlack", clBlack},
        {"clMaroon", clMaroon},
        {"clGreen", clGreen},
        {"clOlive", clOlive},
        {"clNavy", clNavy},
        {"clPurple", clPurple},
        {"clTeal", clTeal},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clRed", clRed},
        {"clLime", clLime},
        {"clYellow", clYellow},
        {"clBlue", clBlue},
        {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},
        {"clWhite", clWhite},
        {"clScrollBar", clScrollBar},
        {"clBackground", clBackground},
        {"clWindow", clWindow},
        {"clWindowFrame", clWindowFrame},
        {"clMenu", clMenu},
        {"clWindowText", clWindowText},
        {"clMenuText", clMenuText},
        {"clCaptionText", clCaptionText},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clBtnFace", clBtnFace},
        {"clBtnShadow", clBtnShadow},
        {"clGrayText", clGrayText},
        {"clBtnText", clBtnText},
        {"clBtnHighlight", clBtnHighlight},
        {"clInfoText", clInfoText},
        {"clInfoBk", clInfoBk},
    };
    for (const auto& [colorName, color] : kColors)
        if (SameName(colorName, name))
            return color;
    return std::nullopt;
}

} // namespace fw
