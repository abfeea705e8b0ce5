#include "controls/AboutForm.h"

#include "controls/Lines.h"
#include "controls/MemoryStatus.h"
#include "framework/core/Beep.h"
#include "framework/loading/HandlerTable.h"
#include "framework/loading/LayoutLoader.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/Image.h"
#include "framework/widgets/Label.h"

using namespace fw;

namespace {
constexpr std::string_view kLayout = "About.layout";
}

TFAbout::TFAbout(TComponent* owner) : TForm(owner) {
    InitializeForm(*this, kLayout);
}

void TFAbout::DefineHandlers(HandlerTable& handlers) {
    handlers.Add("FormCreate", this, &TFAbout::FormCreate);
    handlers.Add("Button1Click", this, &TFAbout::Button1Click);
}

void TFAbout::BindComponents() {
    Button1 = &LayoutComponent<TButton>(*this, kLayout, "Button1");
    Image1 = &LayoutComponent<TImage>(*this, kLayout, "Image1");
    lblPhysMem = &LayoutComponent<TLabel>(*this, kLayout, "lblPhysMem");
    lblPhysRes = &LayoutComponent<TLabel>(*this, kLayout, "lblPhysRes");
    Line1 = &LayoutComponent<TLine>(*this, kLayout, "Line1");
    Line2 = &LayoutComponent<TLine>(*this, kLayout, "Line2");
    Label1 = &LayoutComponent<TLabel>(*this, kLayout, "Label1");
    Label2 = &LayoutComponent<TLabel>(*this, kLayout, "Label2");
    Label3 = &LayoutComponent<TLabel>(*this, kLayout, "Label3");
    FImage = &LayoutComponent<TImage>(*this, kLayout, "FImage");
}

void TFAbout::FormCreate(TComponent*) {
    FImage->SetApplicationIcon();
    Beep();
    MemoryStatus status = ReadMemoryStatus();
    lblPhysMem->SetCaption(PhysicalMemoryLine(status.totalPhysicalBytes));
    lblPhysRes->SetCaption(FreeMemoryLine(status.memoryLoad));
}

void TFAbout::Button1Click(TComponent*) {
    Close();
}
