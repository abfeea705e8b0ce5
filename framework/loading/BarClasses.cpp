// The main window's bars, pages, buttons and pictures as layouts see them.
#include "framework/loading/BarClasses.h"

#include "framework/loading/ClassRegistry.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/Image.h"
#include "framework/widgets/ImageList.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"

namespace fw {

namespace {

constexpr NamedValue kAligns[] = {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}};

// These bars draw no bevels; a layout may say so, and nothing else.
void AcceptNoBevel(TPersistent&, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    if (!SameName(c.Identifier(p), "bvNone"))
        c.Fail(p.line, p.path + " can only be bvNone");
}

// The tool bar draws no edges; only the empty set is accepted.
void AcceptNoEdges(TPersistent&, const layout::Property& p, LoadContext& c, const PropertyDef&) {
    if (p.value.Kind() != layout::ValueKind::Set || !p.value.Set().empty())
        c.Fail(p.line, p.path + " can only be []");
}

constexpr PropertyDef kPageControl[] = {
    Reference<&TPageControl::SetActivePage>("ActivePage"),
    Int<&TPageControl::SetActivePageIndex>("ActivePageIndex"),
    EventHandler<&TPageControl::OnChange>("OnChange"),
};

constexpr PropertyDef kTabSheet[] = {
    EventHandler<&TTabSheet::OnShow>("OnShow"),
};

constexpr PropertyDef kToolBar[] = {
    Reference<&TToolBar::SetImages>("Images"),
    Bool<&TToolBar::SetFlat>("Flat"),
    Bool<&TToolBar::SetShowCaptions>("ShowCaptions"),
    Bool<&TToolBar::SetAutoSize>("AutoSize"),
    Int<&TToolBar::SetButtonWidth>("ButtonWidth"),
    Int<&TToolBar::SetButtonHeight>("ButtonHeight"),
    Custom("EdgeBorders", &AcceptNoEdges),
};

constexpr NamedValue kToolButtonStyles[] = {{"tbsButton", tbsButton},
                                            {"tbsSeparator", tbsSeparator}};
constexpr PropertyDef kToolButton[] = {
    Int<&TToolButton::SetImageIndex>("ImageIndex"),
    Enum<&TToolButton::SetStyle>("Style", kToolButtonStyles),
};

constexpr PropertyDef kControlBar[] = {
    Enum<&TControlBar::SetAlign>("Align", kAligns),
    Bool<&TControlBar::SetAutoSize>("AutoSize"),
    Custom("BevelInner", &AcceptNoBevel),
    Custom("BevelOuter", &AcceptNoBevel),
};

constexpr PropertyDef kStatusBar[] = {
    Enum<&TStatusBar::SetAlign>("Align", kAligns),
    String<&TStatusBar::SetSimpleText>("SimpleText"),
    Int<&TStatusBar::SetPanelWidth>("PanelWidth"),
    Bool<&TStatusBar::SetSizeGrip>("SizeGrip"),
};

constexpr PropertyDef kImageList[] = {
    Int<&TImageList::SetWidth>("Width"),
    Int<&TImageList::SetHeight>("Height"),
    String<&TImageList::SetResourceName>("ResourceName"),
};

constexpr PropertyDef kImage[] = {
    String<&TImage::SetPictureResource>("PictureResource"),
    Bool<&TImage::SetAutoSize>("AutoSize"),
    Bool<&TImage::SetStretch>("Stretch"),
    Bool<&TImage::SetCenter>("Center"),
    Bool<&TImage::SetTransparent>("Transparent"),
};

constexpr ClassInfo kClasses[] = {
    Class<TButton>("TButton", "TWinControl"),
    Class<TPageControl>("TPageControl", "TWinControl", kPageControl),
    Class<TTabSheet>("TTabSheet", "TWinControl", kTabSheet),
    Class<TToolBar>("TToolBar", "TWinControl", kToolBar),
    Class<TToolButton>("TToolButton", "TControl", kToolButton),
    Class<TControlBar>("TControlBar", "TWinControl", kControlBar),
    Class<TStatusBar>("TStatusBar", "TWinControl", kStatusBar),
    Class<TImageList>("TImageList", "", kImageList),
    Class<TImage>("TImage", "TGraphicControl", kImage),
};

} // namespace

void RegisterBarClasses(ClassRegistry& registry) {
    registry.Register(kClasses);
}

void UnregisterBarClasses(ClassRegistry& registry) {
    registry.Unregister(kClasses);
}

} // namespace fw
