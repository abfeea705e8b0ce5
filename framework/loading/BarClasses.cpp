// The main window's bars, pages, buttons and pictures as layouts see them.
#include "framework/loading/BarClasses.h"

#include "framework/widgets/Button.h"
#include "framework/loading/ClassRegistry.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/Image.h"
#include "framework/widgets/ImageList.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"

namespace fw {

namespace {

const char* const kClassNames[] = {"TButton",    "TPageControl", "TTabSheet",
                                   "TToolBar",   "TToolButton",  "TControlBar",
                                   "TStatusBar", "TImageList",   "TImage"};

template <class T> void AddAlign(Props<T>& props) {
    props.template Enum<TAlign>("Align", &T::SetAlign,
                                {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}});
}

// These bars draw no bevels; a layout may say so, and nothing else.
void AcceptNoBevel(Props<TControlBar>& props, const std::string& name) {
    props.Add(name, [](TControlBar&, const layout::Property& p, LoadContext& c) {
        if (c.Identifier(p) != "bvNone")
            c.Fail(p.line, p.path + " can only be bvNone");
    });
}

void RegisterPages(ClassRegistry& registry) {
    registry.Register<TButton>("TButton", "TWinControl");

    Props<TPageControl> pages(registry.Register<TPageControl>("TPageControl", "TWinControl"));
    pages.Reference<TTabSheet>("ActivePage", &TPageControl::SetActivePage);
    pages.Int("ActivePageIndex", &TPageControl::SetActivePageIndex);
    pages.EventHandler("OnChange", &TPageControl::OnChange);

    Props<TTabSheet> sheet(registry.Register<TTabSheet>("TTabSheet", "TWinControl"));
    sheet.EventHandler("OnShow", &TTabSheet::OnShow);
}

void RegisterBars(ClassRegistry& registry) {
    Props<TToolBar> toolBar(registry.Register<TToolBar>("TToolBar", "TWinControl"));
    toolBar.Reference<TImageList>("Images", &TToolBar::SetImages);
    toolBar.Bool("Flat", &TToolBar::SetFlat);
    toolBar.Bool("ShowCaptions", &TToolBar::SetShowCaptions);
    toolBar.Bool("AutoSize", &TToolBar::SetAutoSize);
    toolBar.Int("ButtonWidth", &TToolBar::SetButtonWidth);
    toolBar.Int("ButtonHeight", &TToolBar::SetButtonHeight);
    // The tool bar draws no edges; only the empty set is accepted.
    toolBar.Add("EdgeBorders", [](TToolBar&, const layout::Property& p, LoadContext& c) {
        if (p.value.Kind() != layout::ValueKind::Set || !p.value.Set().empty())
            c.Fail(p.line, p.path + " can only be []");
    });

    Props<TToolButton> button(registry.Register<TToolButton>("TToolButton", "TControl"));
    button.Int("ImageIndex", &TToolButton::SetImageIndex);
    button.Enum<TToolButtonStyle>("Style", &TToolButton::SetStyle,
                                  {{"tbsButton", tbsButton}, {"tbsSeparator", tbsSeparator}});

    Props<TControlBar> controlBar(registry.Register<TControlBar>("TControlBar", "TWinControl"));
    AddAlign(controlBar);
    controlBar.Bool("AutoSize", &TControlBar::SetAutoSize);
    AcceptNoBevel(controlBar, "BevelInner");
    AcceptNoBevel(controlBar, "BevelOuter");

    Props<TStatusBar> status(registry.Register<TStatusBar>("TStatusBar", "TWinControl"));
    AddAlign(status);
    status.String("SimpleText", &TStatusBar::SetSimpleText);
    status.Int("PanelWidth", &TStatusBar::SetPanelWidth);
    status.Bool("SizeGrip", &TStatusBar::SetSizeGrip);
}

void RegisterPictures(ClassRegistry& registry) {
    Props<TImageList> images(registry.Register<TImageList>("TImageList", ""));
    images.Int("Width", &TImageList::SetWidth);
    images.Int("Height", &TImageList::SetHeight);
    images.String("ResourceName", &TImageList::SetResourceName);

    Props<TImage> image(registry.Register<TImage>("TImage", "TGraphicControl"));
    image.String("PictureResource", &TImage::SetPictureResource);
    image.Bool("AutoSize", &TImage::SetAutoSize);
    image.Bool("Stretch", &TImage::SetStretch);
    image.Bool("Center", &TImage::SetCenter);
    image.Bool("Transparent", &TImage::SetTransparent);
}

} // namespace

void RegisterBarClasses(ClassRegistry& registry) {
    RegisterPages(registry);
    RegisterBars(registry);
    RegisterPictures(registry);
}

void UnregisterBarClasses(ClassRegistry& registry) {
    for (const char* name : kClassNames)
        registry.Unregister(name);
}

} // namespace fw
