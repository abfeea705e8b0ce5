// The About dialog: banner, program icon, product name, version, copyright,
// an etched groove and the computer's memory figures.
#pragma once

#include "framework/window/Form.h"

#include <string_view>

namespace fw {
class HandlerTable;
template <class Form> void InitializeForm(Form& form, std::string_view layoutName);
class TButton;
class TImage;
class TLabel;
} // namespace fw

class TLine;

class TFAbout : public fw::TForm {
    FW_CLASS(TFAbout, fw::TForm)
public:
    // Reads the dialog's layout; FormCreate has run when it returns.
    explicit TFAbout(fw::TComponent* owner);

    void FormCreate(fw::TComponent* sender);
    void Button1Click(fw::TComponent* sender);

    fw::TButton* Button1 = nullptr;
    fw::TImage* Image1 = nullptr;
    fw::TLabel* lblPhysMem = nullptr;
    fw::TLabel* lblPhysRes = nullptr;
    TLine* Line1 = nullptr;
    TLine* Line2 = nullptr;
    fw::TLabel* Label1 = nullptr;
    fw::TLabel* Label2 = nullptr;
    fw::TLabel* Label3 = nullptr;
    fw::TImage* FImage = nullptr;

private:
    template <class Form> friend void fw::InitializeForm(Form& form, std::string_view layoutName);
    void DefineHandlers(fw::HandlerTable& handlers);
    void BindComponents();
};
