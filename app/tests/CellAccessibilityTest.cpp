// The four cells as assistive tools read them, through oleacc.
#include "MainWindowFixture.h"

#include "app/CellView.h"
#include "controls/AlignEdit.h"
#include "framework/widgets/Panel.h"

#include <oleacc.h>

#include <string>
#include <vector>

namespace {
// What a screen reader asks of a window's client object.
struct Reading {
    std::wstring name;
    std::wstring value;
    long role = 0;
    long state = 0;
};

Reading Read(HWND window) {
    Reading reading;
    IAccessible* object = nullptr;
    HRESULT result = AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object));
    EXPECT_EQ(result, S_OK);
    if (!object)
        return reading;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK)
        reading.name = text;
    SysFreeString(text);
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK)
        reading.value = text;
    SysFreeString(text);
    VARIANT answer{};
    if (object->get_accRole(self, &answer) == S_OK && answer.vt == VT_I4)
        reading.role = answer.lVal;
    if (object->get_accState(self, &answer) == S_OK && answer.vt == VT_I4)
        reading.state = answer.lVal;
    object->Release();
    return reading;
}

// The windows that told of a value change, as a tool's event hook hears it.
std::vector<HWND> valueChanges;
void CALLBACK HearValueChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                              DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        valueChanges.push_back(window);
}
} // namespace

class CellAccessibilityTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        CoUninitialize();
        MainWindowTest::TearDown();
    }
    static HWND Window(const TBrailleCell& cell) { return cell.Panel()->Handle(); }
};

TEST_F(CellAccessibilityTest, EachCellHasItsNameAndItsDotsAsValue) {
    const std::wstring first = L"Premi\u00E8re cellule", second = L"Deuxi\u00E8me cellule";
    form->alEdit1->SetText("A");
    guitest::Pump();
    EXPECT_EQ(Read(Window(form->LearningFirstCell)).name, first);
    EXPECT_EQ(Read(Window(form->LearningFirstCell)).value, L"points 4 6");
    EXPECT_EQ(Read(Window(form->LearningSecondCell)).name, second);
    EXPECT_EQ(Read(Window(form->LearningSecondCell)).value, L"point 1");
    form->alEdit1->SetText("");
    guitest::Pump();
    EXPECT_EQ(Read(Window(form->LearningFirstCell)).value, L"aucun point");
    EXPECT_EQ(Read(Window(form->LearningFirstCell)).role, ROLE_SYSTEM_GRAPHIC);
    EXPECT_TRUE(Read(Window(form->LearningFirstCell)).state & STATE_SYSTEM_READONLY);

    form->tlbtnSheet2Click(nullptr);
    guitest::Pump();
    EXPECT_EQ(Read(Window(form->WorkshopFirstCell)).name, first);
    EXPECT_EQ(Read(Window(form->WorkshopSecondCell)).name, second);
    EXPECT_EQ(Read(Window(form->WorkshopSecondCell)).value, L"points 1 2 3 4 5 6");
    PressDot(form->WorkshopSecondCell, 3);
    EXPECT_EQ(Read(Window(form->WorkshopSecondCell)).value, L"points 1 2 4 5 6");
    for (int dot : {1, 2, 4, 5, 6})
        PressDot(form->WorkshopSecondCell, dot);
    EXPECT_EQ(Read(Window(form->WorkshopSecondCell)).value, L"aucun point");
}

TEST_F(CellAccessibilityTest, TheWorkshopCellsAreFocusableAndSayWhichHasTheFocus) {
    form->tlbtnSheet2Click(nullptr);
    guitest::Pump();
    Reading first = Read(Window(form->WorkshopFirstCell));
    Reading second = Read(Window(form->WorkshopSecondCell));
    EXPECT_EQ(first.state & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED),
              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
    EXPECT_EQ(second.state & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED),
              STATE_SYSTEM_FOCUSABLE);
    EXPECT_FALSE(first.state & STATE_SYSTEM_READONLY);
    EXPECT_FALSE(Read(Window(form->LearningFirstCell)).state & STATE_SYSTEM_FOCUSABLE);
}

TEST_F(CellAccessibilityTest, ALoweredDotTellsOfTheValueChange) {
    form->tlbtnSheet2Click(nullptr);
    guitest::Pump();
    valueChanges.clear();
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                        HearValueChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    PressDot(form->WorkshopFirstCell, 2);
    guitest::Pump();
    EXPECT_EQ(valueChanges, std::vector<HWND>{Window(form->WorkshopFirstCell)});
    // A press where the dot was lowered changes nothing and tells nothing.
    valueChanges.clear();
    PressDot(form->WorkshopFirstCell, 2);
    guitest::Pump();
    EXPECT_TRUE(valueChanges.empty());
    UnhookWinEvent(hook);
}
