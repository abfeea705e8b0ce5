// The framework's classes as layouts see them: names and properties.
#include "framework/loading/BarClasses.h"
#include "framework/loading/ClassRegistry.h"
#include "framework/loading/Framework.h"
#include "framework/widgets/CustomEdit.h"
#include "framework/widgets/GroupBox.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"
#include "framework/window/Form.h"

namespace fw {

namespace {

constexpr NamedValue kFontStyles[] = {{"fsBold", fsBold},
                                      {"fsItalic", fsItalic},
                                      {"fsUnderline", fsUnderline},
                                      {"fsStrikeOut", fsStrikeOut}};
constexpr NamedValue kCharsets[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"OEM_CHARSET", 255}};

// A character set by number or by name.
void ApplyCharset(TPersistent& target, const layout::Property& p, LoadContext& c,
                  const PropertyDef&) {
    auto& font = static_cast<TFont&>(target);
    font.SetCharset(p.value.Kind() == layout::ValueKind::Number ? c.Int(p) : c.Enum(p, kCharsets));
}

constexpr PropertyDef kFont[] = {
    String<&TFont::SetName>("Name"),
    Int<&TFont::SetHeight>("Height"),
    Int<&TFont::SetSize>("Size"),
    Color<&TFont::SetColor>("Color"),
    Flags<&TFont::SetStyle>("Style", kFontStyles),
    Custom("Charset", &ApplyCharset),
};

constexpr NamedValue kPenStyles[] = {{"psSolid", psSolid},
                                     {"psDash", psDash},
                                     {"psDot", psDot},
                                     {"psDashDot", psDashDot},
                                     {"psDashDotDot", psDashDotDot},
                                     {"psClear", psClear},
                                     {"psInsideFrame", psInsideFrame}};
constexpr PropertyDef kPen[] = {
    Color<&TPen::SetColor>("Color"),
    Int<&TPen::SetWidth>("Width"),
    Enum<&TPen::SetStyle>("Style", kPenStyles),
};

constexpr NamedValue kBrushStyles[] = {{"bsSolid", bsSolid}, {"bsClear", bsClear}};
constexpr PropertyDef kBrush[] = {
    Color<&TBrush::SetColor>("Color"),
    Enum<&TBrush::SetStyle>("Style", kBrushStyles),
};

constexpr PropertyDef kControl[] = {
    Int<&TControl::SetLeft>("Left"),
    Int<&TControl::SetTop>("Top"),
    Int<&TControl::SetWidth>("Width"),
    Int<&TControl::SetHeight>("Height"),
    Bool<&TControl::SetVisible>("Visible"),
    Bool<&TControl::SetEnabled>("Enabled"),
    String<&TControl::SetCaption>("Caption"),
    String<&TControl::SetText>("Text"),
    Color<&TControl::SetColor>("Color"),
    Bool<&TControl::SetParentColor>("ParentColor"),
    Bool<&TControl::SetParentFont>("ParentFont"),
    String<&TControl::SetHint>("Hint"),
    Bool<&TControl::SetShowHint>("ShowHint"),
    Int<&TControl::SetTag>("Tag"),
    Object<static_cast<TFont& (TControl::*)()>(&TControl::Font)>("Font", "TFont"),
    EventHandler<&TControl::OnClick>("OnClick"),
    EventHandler<&TControl::OnMouseDown>("OnMouseDown"),
};

constexpr PropertyDef kWinControl[] = {
    Bool<&TWinControl::SetTabStop>("TabStop"),
    Int<&TWinControl::SetTabOrder>("TabOrder"),
    EventHandler<&TWinControl::OnEnter>("OnEnter"),
    EventHandler<&TWinControl::OnExit>("OnExit"),
    EventHandler<&TWinControl::OnKeyDown>("OnKeyDown"),
    EventHandler<&TWinControl::OnKeyUp>("OnKeyUp"),
    EventHandler<&TWinControl::OnKeyPress>("OnKeyPress"),
};

constexpr NamedValue kBorderIcons[] = {{"biSystemMenu", biSystemMenu},
                                       {"biMinimize", biMinimize},
                                       {"biMaximize", biMaximize},
                                       {"biHelp", biHelp}};
constexpr NamedValue kBorderStyles[] = {
    {"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog}};
constexpr NamedValue kPositions[] = {{"poDesigned", poDesigned},
                                     {"poScreenCenter", poScreenCenter}};
constexpr PropertyDef kForm[] = {
    Flags<&TForm::SetBorderIcons>("BorderIcons", kBorderIcons),
    Enum<&TForm::SetBorderStyle>("BorderStyle", kBorderStyles),
    Int<&TForm::SetClientWidth>("ClientWidth"),
    Int<&TForm::SetClientHeight>("ClientHeight"),
    Enum<&TForm::SetPosition>("Position", kPositions),
    Reference<&TForm::SetMenu, TMainMenu>("Menu"),
    EventHandler<&TForm::OnCreate>("OnCreate"),
    EventHandler<&TForm::OnShow>("OnShow"),
    EventHandler<&TForm::OnClose>("OnClose"),
    EventHandler<&TForm::OnDestroy>("OnDestroy"),
};

constexpr PropertyDef kCustomEdit[] = {
    Int<&TCustomEdit::SetMaxLength>("MaxLength"),     Bool<&TCustomEdit::SetReadOnly>("ReadOnly"),
    Bool<&TCustomEdit::SetAutoSelect>("AutoSelect"),  Bool<&TCustomEdit::SetAutoSize>("AutoSize"),
    EventHandler<&TCustomEdit::OnChange>("OnChange"),
};

constexpr NamedValue kAlignments[] = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
constexpr PropertyDef kLabel[] = {
    Enum<&TLabel::SetAlignment>("Alignment", kAlignments),
    Bool<&TLabel::SetAutoSize>("AutoSize"),
};

constexpr NamedValue kBevels[] = {
    {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}};
constexpr PropertyDef kPanel[] = {
    Enum<&TPanel::SetBevelInner>("BevelInner", kBevels),
    Enum<&TPanel::SetBevelOuter>("BevelOuter", kBevels),
};

constexpr NamedValue kShapes[] = {{"stRectangle", stRectangle}, {"stSquare", stSquare},
                                  {"stRoundRect", stRoundRect}, {"stRoundSquare", stRoundSquare},
                                  {"stEllipse", stEllipse},     {"stCircle", stCircle}};
constexpr PropertyDef kShape[] = {
    Enum<&TShape::SetShape>("Shape", kShapes),
    Object<&TShape::Pen>("Pen", "TPen"),
    Object<&TShape::Brush>("Brush", "TBrush"),
};

constexpr PropertyDef kMenuItem[] = {
    String<&TMenuItem::SetCaption>("Caption"),
    Bool<&TMenuItem::SetEnabled>("Enabled"),
    EventHandler<&TMenuItem::OnClick>("OnClick"),
};

// In the order of their bases.
constexpr ClassInfo kClasses[] = {
    Class<TFont>("TFont", "", kFont),
    Class<TPen>("TPen", "", kPen),
    Class<TBrush>("TBrush", "", kBrush),
    Class<TControl>("TControl", "", kControl),
    Class<TWinControl>("TWinControl", "TControl", kWinControl),
    Class<TGraphicControl>("TGraphicControl", "TControl"),
    Class<TForm>("TForm", "TWinControl", kForm),
    Class<TCustomEdit>("TCustomEdit", "TWinControl", kCustomEdit),
    Class<TCustomEdit>("TEdit", "TCustomEdit"),
    Class<TLabel>("TLabel", "TGraphicControl", kLabel),
    Class<TPanel>("TPanel", "TWinControl", kPanel),
    Class<TGroupBox>("TGroupBox", "TWinControl"),
    Class<TShape>("TShape", "TGraphicControl", kShape),
    Class<TMainMenu>("TMainMenu", ""),
    Class<TMenuItem>("TMenuItem", "", kMenuItem),
};

} // namespace

void InitializeFramework() {
    ClassRegistry& registry = ClassRegistry::Instance();
    registry.Register(kClasses);
    RegisterBarClasses(registry);
}

void FinalizeFramework() {
    ClassRegistry& registry = ClassRegistry::Instance();
    UnregisterBarClasses(registry);
    registry.Unregister(kClasses);
}

} // namespace fw
