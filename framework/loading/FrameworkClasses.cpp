// The framework's classes as layouts see them: names and properties.
#include "framework/loading/BarClasses.h"
#include "framework/loading/ClassRegistry.h"
#include "framework/widgets/CustomEdit.h"
#include "framework/window/Form.h"
#include "framework/loading/Framework.h"
#include "framework/widgets/GroupBox.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

namespace fw {

namespace {

// Framework classes that a layout may name, for finalisation.
const char* const kClassNames[] = {
    "TFont",           "TPen",      "TBrush",      "TControl",  "TWinControl",
    "TGraphicControl", "TForm",     "TCustomEdit", "TEdit",     "TLabel",
    "TPanel",          "TGroupBox", "TShape",      "TMainMenu", "TMenuItem"};

const PropertyTable& RegisterGraphicsObjects(ClassRegistry& registry) {
    Props<TFont> font(registry.Register<TFont>("TFont", ""));
    font.String("Name", &TFont::SetName);
    font.Int("Height", &TFont::SetHeight);
    font.Int("Size", &TFont::SetSize);
    font.Color("Color", &TFont::SetColor);
    font.Flags("Style", &TFont::SetStyle,
               {{"fsBold", fsBold},
                {"fsItalic", fsItalic},
                {"fsUnderline", fsUnderline},
                {"fsStrikeOut", fsStrikeOut}});
    font.Add("Charset", [](TFont& f, const layout::Property& p, LoadContext& c) {
        if (p.value.Kind() == layout::ValueKind::Number)
            return f.SetCharset(c.Int(p));
        static const std::pair<const char*, int> kCharsets[] = {{"ANSI_CHARSET", 0},
                                                                {"DEFAULT_CHARSET", 1},
                                                                {"SYMBOL_CHARSET", 2},
                                                                {"OEM_CHARSET", 255}};
        for (const auto& [name, value] : kCharsets)
            if (c.Identifier(p) == name)
                return f.SetCharset(value);
        c.Fail(p.line, "unknown character set '" + c.Identifier(p) + "'");
    });

    Props<TPen> pen(registry.Register<TPen>("TPen", ""));
    pen.Color("Color", &TPen::SetColor);
    pen.Int("Width", &TPen::SetWidth);
    pen.Enum<TPenStyle>("Style", &TPen::SetStyle,
                        {{"psSolid", psSolid},
                         {"psDash", psDash},
                         {"psDot", psDot},
                         {"psDashDot", psDashDot},
                         {"psDashDotDot", psDashDotDot},
                         {"psClear", psClear},
                         {"psInsideFrame", psInsideFrame}});

    Props<TBrush> brush(registry.Register<TBrush>("TBrush", ""));
    brush.Color("Color", &TBrush::SetColor);
    brush.Enum<TBrushStyle>("Style", &TBrush::SetStyle,
                            {{"bsSolid", bsSolid}, {"bsClear", bsClear}});
    return registry.Properties("TFont");
}

void RegisterControls(ClassRegistry& registry, const PropertyTable& fontTable) {
    Props<TControl> control(registry.Register<TControl>("TControl", ""));
    control.Int("Left", &TControl::SetLeft);
    control.Int("Top", &TControl::SetTop);
    control.Int("Width", &TControl::SetWidth);
    control.Int("Height", &TControl::SetHeight);
    control.Bool("Visible", &TControl::SetVisible);
    control.Bool("Enabled", &TControl::SetEnabled);
    control.String("Caption", &TControl::SetCaption);
    control.String("Text", &TControl::SetText);
    control.Color("Color", &TControl::SetColor);
    control.Bool("ParentColor", &TControl::SetParentColor);
    control.Bool("ParentFont", &TControl::SetParentFont);
    control.String("Hint", &TControl::SetHint);
    control.Bool("ShowHint", &TControl::SetShowHint);
    control.Int("Tag", &TControl::SetTag);
    control.Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font), fontTable);
    control.EventHandler("OnClick", &TControl::OnClick);
    control.EventHandler("OnMouseDown", &TControl::OnMouseDown);

    Props<TWinControl> win(registry.Register<TWinControl>("TWinControl", "TControl"));
    win.Bool("TabStop", &TWinControl::SetTabStop);
    win.Int("TabOrder", &TWinControl::SetTabOrder);
    win.EventHandler("OnEnter", &TWinControl::OnEnter);
    win.EventHandler("OnExit", &TWinControl::OnExit);
    win.EventHandler("OnKeyDown", &TWinControl::OnKeyDown);
    win.EventHandler("OnKeyPress", &TWinControl::OnKeyPress);

    registry.Register<TGraphicControl>("TGraphicControl", "TControl");

    Props<TForm> form(registry.Register<TForm>("TForm", "TWinControl"));
    form.Flags("BorderIcons", &TForm::SetBorderIcons,
               {{"biSystemMenu", biSystemMenu},
                {"biMinimize", biMinimize},
                {"biMaximize", biMaximize},
                {"biHelp", biHelp}});
    form.Enum<TFormBorderStyle>("BorderStyle", &TForm::SetBorderStyle,
                                {{"bsNone", bsNone},
                                 {"bsSingle", bsSingle},
                                 {"bsSizeable", bsSizeable},
                                 {"bsDialog", bsDialog}});
    form.Int("ClientWidth", &TForm::SetClientWidth);
    form.Int("ClientHeight", &TForm::SetClientHeight);
    form.Enum<TPosition>("Position", &TForm::SetPosition,
                         {{"poDesigned", poDesigned}, {"poScreenCenter", poScreenCenter}});
    form.Reference<TFormMenu>("Menu", &TForm::SetMenu);
    form.EventHandler("OnCreate", &TForm::OnCreate);
    form.EventHandler("OnShow", &TForm::OnShow);
    form.EventHandler("OnClose", &TForm::OnClose);
    form.EventHandler("OnDestroy", &TForm::OnDestroy);

    Props<TCustomEdit> edit(registry.Register<TCustomEdit>("TCustomEdit", "TWinControl"));
    edit.Int("MaxLength", &TCustomEdit::SetMaxLength);
    edit.Bool("ReadOnly", &TCustomEdit::SetReadOnly);
    edit.Bool("AutoSelect", &TCustomEdit::SetAutoSelect);
    edit.Bool("AutoSize", &TCustomEdit::SetAutoSize);
    edit.EventHandler("OnChange", &TCustomEdit::OnChange);
    registry.Register<TCustomEdit>("TEdit", "TCustomEdit");

    Props<TLabel> label(registry.Register<TLabel>("TLabel", "TGraphicControl"));
    label.Enum<TAlignment>("Alignment", &TLabel::SetAlignment,
                           {{"taLeftJustify", taLeftJustify},
                            {"taRightJustify", taRightJustify},
                            {"taCenter", taCenter}});
    label.Bool("AutoSize", &TLabel::SetAutoSize);

    static const std::initializer_list<std::pair<const char*, TBevelCut>> kBevels = {
        {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}};
    Props<TPanel> panel(registry.Register<TPanel>("TPanel", "TWinControl"));
    panel.Enum<TBevelCut>("BevelInner", &TPanel::SetBevelInner, kBevels);
    panel.Enum<TBevelCut>("BevelOuter", &TPanel::SetBevelOuter, kBevels);

    registry.Register<TGroupBox>("TGroupBox", "TWinControl");

    Props<TShape> shape(registry.Register<TShape>("TShape", "TGraphicControl"));
    shape.Enum<TShapeType>("Shape", &TShape::SetShape,
                           {{"stRectangle", stRectangle},
                            {"stSquare", stSquare},
                            {"stRoundRect", stRoundRect},
                            {"stRoundSquare", stRoundSquare},
                            {"stEllipse", stEllipse},
                            {"stCircle", stCircle}});
    shape.Object("Pen", &TShape::Pen, registry.Properties("TPen"));
    shape.Object("Brush", &TShape::Brush, registry.Properties("TBrush"));
}

void RegisterMenus(ClassRegistry& registry) {
    registry.Register<TMainMenu>("TMainMenu", "");
    Props<TMenuItem> item(registry.Register<TMenuItem>("TMenuItem", ""));
    item.String("Caption", &TMenuItem::SetCaption);
    item.Bool("Enabled", &TMenuItem::SetEnabled);
    item.EventHandler("OnClick", &TMenuItem::OnClick);
}

} // namespace

void InitializeFramework() {
    ClassRegistry& registry = ClassRegistry::Instance();
    const PropertyTable& fontTable = RegisterGraphicsObjects(registry);
    RegisterControls(registry, fontTable);
    RegisterMenus(registry);
    RegisterBarClasses(registry);
}

void FinalizeFramework() {
    ClassRegistry& registry = ClassRegistry::Instance();
    UnregisterBarClasses(registry);
    for (const char* name : kClassNames)
        registry.Unregister(name);
}

} // namespace fw
