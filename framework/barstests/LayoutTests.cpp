// The main window's bars and pages as a layout describes them: classes,
// properties and references, and where the aligned bars end up.
#include "FormTest.h"

#include "framework/widgets/ControlBar.h"
#include "framework/widgets/ImageList.h"
#include "framework/loading/LayoutLoader.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"

#include "framework/layout/LayoutParser.h"

#include <commctrl.h>

#include <vector>

using guitest::ClickCenter;
using guitest::FormTest;
using guitest::RectIn;

namespace {

const char kLayout[] = R"(
object Form1: TForm
  Left = 0
  Top = 0
  Width = 569
  Height = 399
  Caption = 'Bars'
  Font.Height = -11
  Font.Name = 'Tahoma'
  ShowHint = True
  object ControlBar1: TControlBar
    Left = 0
    Top = 0
    Width = 561
    Height = 26
    Align = alTop
    AutoSize = True
    BevelInner = bvNone
    BevelOuter = bvNone
    object ToolBar1: TToolBar
      Left = 11
      Top = 2
      Width = 548
      Height = 22
      AutoSize = True
      EdgeBorders = []
      Flat = True
      Images = ImageList1
      object tlbtnNouveau: TToolButton
        Hint = 'Nouveau'
        ImageIndex = 0
        OnClick = NouveauClick
      end
      object ToolButton2: TToolButton
        Width = 8
        Style = tbsSeparator
      end
      object tlbtnQuitter: TToolButton
        Hint = 'Quitter'
        ImageIndex = 2
      end
    end
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 326
    Width = 561
    Height = 19
    Align = alBottom
    PanelWidth = 50
    SimpleText = 'Sixpointe - un texte bien plus long que cinquante pixels'
  end
  object PageControl1: TPageControl
    Left = 8
    Top = 40
    Width = 545
    Height = 273
    ActivePage = TabSheet2
    object TabSheet1: TTabSheet
      Caption = 'Apprentissage'
      OnShow = PageShow
    end
    object TabSheet2: TTabSheet
      Caption = 'Evaluation'
      OnShow = PageShow
    end
  end
  object ImageList1: TImageList
    ResourceName = 'TOOLBAR'
  end
end
)";

class LayoutTest : public FormTest {
protected:
    void Load(const std::string& text) {
        fw::HandlerTable handlers;
        handlers.Add("NouveauClick", fw::TNotifyEvent([this](fw::TComponent*) { ++clicks; }));
        handlers.Add("PageShow",
                     fw::TNotifyEvent([this](fw::TComponent* page) { shown.push_back(page); }));
        fw::LoadLayout(*form, layout::ParseLayout(text, "Bars.layout"), handlers, "Bars.layout");
    }
    template <class T> T* Find(const char* name) { return fw::As<T>(form->FindComponent(name)); }

    int clicks = 0;
    std::vector<fw::TComponent*> shown;
};

TEST_F(LayoutTest, AlignedBarsSpanTheClientAreaAtItsEdges) {
    Load(kLayout);
    form->HandleNeeded();
    auto* controlBar = Find<fw::TControlBar>("ControlBar1");
    auto* toolBar = Find<fw::TToolBar>("ToolBar1");
    auto* status = Find<fw::TStatusBar>("StatusBar1");
    RECT client;
    GetClientRect(form->Handle(), &client);

    RECT bar = RectIn(controlBar->Handle(), form->Handle());
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.top, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, 26);
    EXPECT_EQ(controlBar->BandCount(), 1);
    // The band's grabber takes the first pixels; the tool bar sits beside it.
    RECT tools = RectIn(toolBar->Handle(), controlBar->Handle());
    EXPECT_EQ(tools.left, 11);
    EXPECT_EQ(tools.top, 2);
    EXPECT_EQ(tools.bottom - tools.top, 22);

    RECT statusRect = RectIn(status->Handle(), form->Handle());
    EXPECT_EQ(statusRect.left, 0);
    EXPECT_EQ(statusRect.right, client.right);
    EXPECT_EQ(statusRect.bottom, client.bottom);
    EXPECT_EQ(statusRect.bottom - statusRect.top, 19);
}

TEST_F(LayoutTest, StatusTextIsInTheOnePanelThatSpansTheBar) {
    Load(kLayout);
    ShowForm();
    HWND status = Find<fw::TStatusBar>("StatusBar1")->Handle();
    EXPECT_EQ(SendMessageW(status, SB_GETPARTS, 0, 0), 1);
    wchar_t text[128] = {};
    SendMessageW(status, SB_GETTEXTW, 0, LPARAM(text));
    EXPECT_EQ(std::wstring(text), L"Sixpointe - un texte bien plus long que cinquante pixels");
    RECT part, bar;
    SendMessageW(status, SB_GETRECT, 0, LPARAM(&part));
    GetClientRect(status, &bar);
    // Only the size grip may follow the panel.
    EXPECT_GT(part.right, bar.right - GetSystemMetrics(SM_CXVSCROLL) - 4);

    // The bars stay at their edges when the window changes size.
    form->SetBounds(form->Left(), form->Top(), 640, 480);
    RECT client, statusRect = RectIn(status, form->Handle());
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(statusRect.bottom, client.bottom);
    EXPECT_EQ(statusRect.right, client.right);
}

TEST_F(LayoutTest, ReferencesAndHandlersOfTheBarsAreWired) {
    Load(kLayout);
    auto* toolBar = Find<fw::TToolBar>("ToolBar1");
    auto* pages = Find<fw::TPageControl>("PageControl1");
    EXPECT_EQ(toolBar->Images(), Find<fw::TImageList>("ImageList1"));
    EXPECT_EQ(toolBar->ButtonCount(), 3);
    EXPECT_EQ(toolBar->Button(1)->Style(), fw::tbsSeparator);
    EXPECT_EQ(pages->ActivePage(), Find<fw::TTabSheet>("TabSheet2"));
    EXPECT_TRUE(shown.empty());

    // As the main window does at creation: the first page, shown with the window.
    pages->SetActivePageIndex(0);
    ShowForm();
    EXPECT_EQ(shown, std::vector<fw::TComponent*>({Find<fw::TTabSheet>("TabSheet1")}));
    toolBar->Button(0)->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(LayoutTest, BevelsAndEdgesOtherThanNoneAreRefused) {
    for (const char* property : {"BevelInner = bvRaised", "EdgeBorders = [ebTop]"}) {
        std::string text = std::string("object Form1: TForm\n object ControlBar1: TControlBar\n") +
                           (property[0] == 'B' ? std::string("  ") + property + "\n" : "") +
                           "  object ToolBar1: TToolBar\n" +
                           (property[0] == 'E' ? std::string("   ") + property + "\n" : "") +
                           "  end\n end\nend\n";
        EXPECT_THROW(Load(text), layout::ParseError) << property;
    }
}

} // namespace
