// The Evaluation page: questions, erasing dots with the mouse, verdicts.
#include "MainWindowFixture.h"

#include "app/CellView.h"
#include "braille/AlphabetTable.h"
#include "braille/QuestionList.h"
#include "controls/AlignEdit.h"
#include "framework/widgets/ControlBar.h"
#include "framework/widgets/StatusBar.h"
#include "framework/widgets/ToolBar.h"
#include "framework/widgets/ToolButton.h"
#include "framework/widgets/Button.h"
#include "framework/widgets/Label.h"
#include "framework/widgets/MainMenu.h"
#include "framework/widgets/PageControl.h"
#include "framework/widgets/Panel.h"
#include "framework/widgets/Shape.h"

#include <algorithm>
#include <map>

namespace {
constexpr fw::TColor kGreen = 0x008000, kRed = 0x0000FF, kNavy = 0x800000;
const std::string kCorrect = "R\xE9ponse correcte !";
const std::string kIncorrect = "R\xE9ponse incorrecte !";
const std::string kNoSign = "Erreur : signe inexistant !";
} // namespace

class EvaluationPageTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        form->tlbtnSheet2Click(nullptr);
        guitest::Pump();
    }
    void ExpectNewQuestion() const {
        EXPECT_EQ(CellDots(form->WorkshopFirstCell), "1 2 3 4 5 6");
        EXPECT_EQ(CellDots(form->WorkshopSecondCell), "1 2 3 4 5 6");
        auto questions = braille::QuestionList();
        EXPECT_NE(std::find(questions.begin(), questions.end(), form->Edit1->Text()),
                  questions.end())
            << form->Edit1->Text();
        EXPECT_EQ(form->Edit2->Text(), "");
        EXPECT_EQ(form->Label5->Caption(), "");
        EXPECT_EQ(form->Label5->Font().Color(), fw::clBlack);
        EXPECT_TRUE(IsWindowEnabled(form->btnValider->Handle()));
        EXPECT_FALSE(IsWindowEnabled(form->btnEffacer->Handle()));
        EXPECT_FALSE(form->tlbtnNouveau->Enabled());
        EXPECT_FALSE(form->Nouveau1->Enabled());
        EXPECT_TRUE(NativeMenuItemGrayed(*form->Nouveau1));
    }

    // Sets the workshop's dots from code, as the answer to check.
    void SetAnswer(braille::DotSet first, braille::DotSet second) {
        form->WorkshopFirstCell.Show(first);
        form->WorkshopSecondCell.Show(second);
    }
    // The buttons pressed as a user would (BM_CLICK acts only on an enabled button).
    void Validate() { SendMessageW(form->btnValider->Handle(), BM_CLICK, 0, 0); }
    void Erase() { SendMessageW(form->btnEffacer->Handle(), BM_CLICK, 0, 0); }
};

TEST_F(EvaluationPageTest, ShowingThePageSetsUpANewQuestion) {
    ExpectNewQuestion();
}

TEST_F(EvaluationPageTest, AnyMouseButtonLowersARaisedDotOnThePress) {
    PressDot(form->WorkshopFirstCell, 1, WM_LBUTTONDOWN);
    PressDot(form->WorkshopFirstCell, 5, WM_RBUTTONDOWN);
    PressDot(form->WorkshopSecondCell, 6, WM_MBUTTONDOWN);
    EXPECT_EQ(CellDots(form->WorkshopFirstCell), "2 3 4 6");
    EXPECT_EQ(CellDots(form->WorkshopSecondCell), "1 2 3 4 5");
    // Where a dot was lowered, the press falls to the panel and nothing comes back.
    PressDot(form->WorkshopFirstCell, 1, WM_LBUTTONDOWN);
    EXPECT_EQ(CellDots(form->WorkshopFirstCell), "2 3 4 6");
    EXPECT_EQ(form->Label5->Caption(), "");
}

TEST_F(EvaluationPageTest, VerdictsAndTheirColours) {
    using braille::Dots;
    struct Case {
        const char* question;
        braille::DotSet first, second;
        std::string edit2, verdict;
        fw::TColor colour;
    };
    const Case cases[] = {
        {"A", Dots("4 6"), Dots("1"), "A", kCorrect, kGreen},
        {"A", Dots("none"), Dots("1"), "a", kIncorrect, kRed},
        {"OE", Dots("4 6"), Dots("2 4 6"), "OE", kCorrect, kGreen},
        {"OE", Dots("none"), Dots("2 4 6"), "oe", kIncorrect, kRed},
        {"9", Dots("none"), Dots("2 4 6"), "oe", kIncorrect, kRed},
        {"A", Dots("1 2 3 4 5 6"), Dots("1 2 3 4 5 6"), "", kNoSign, kNavy},
        {"A", Dots("none"), Dots("none"), "", kNoSign, kNavy},
        {"A", Dots("1"), Dots("none"), "", kNoSign, kNavy},
    };
    for (const Case& c : cases) {
        Erase();
        form->tlbtnSheet1Click(nullptr);
        form->tlbtnSheet2Click(nullptr);
        form->Edit1->SetText(c.question);
        SetAnswer(c.first, c.second);
        Validate();
        std::string context = std::string("question ") + c.question;
        EXPECT_EQ(form->Edit2->Text(), c.edit2) << context;
        EXPECT_EQ(form->Label5->Caption(), c.verdict) << context;
        EXPECT_EQ(form->Label5->Font().Color(), c.colour) << context;
        EXPECT_FALSE(IsWindowEnabled(form->btnValider->Handle())) << context;
        EXPECT_TRUE(IsWindowEnabled(form->btnEffacer->Handle())) << context;
    }
}

TEST_F(EvaluationPageTest, AfterAVerdictPressesChangeOnlyTheDots) {
    form->Edit1->SetText("a");
    SetAnswer(braille::Dots("none"), braille::Dots("1"));
    Validate();
    PressDot(form->WorkshopSecondCell, 1);
    EXPECT_EQ(CellDots(form->WorkshopSecondCell), "none");
    EXPECT_EQ(form->Edit2->Text(), "a");
    EXPECT_EQ(form->Label5->Caption(), kCorrect);
    Validate(); // disabled: nothing happens
    EXPECT_EQ(form->Label5->Caption(), kCorrect);
}

TEST_F(EvaluationPageTest, EffacerAndReturningToThePageDrawANewQuestion) {
    PressDot(form->WorkshopFirstCell, 2);
    Validate();
    Erase();
    ExpectNewQuestion();
    PressDot(form->WorkshopSecondCell, 3);
    form->tlbtnSheet1Click(nullptr);
    form->tlbtnSheet2Click(nullptr);
    ExpectNewQuestion();
}

TEST_F(EvaluationPageTest, EveryAnswerPatternIsJudgedByTheAlphabetTable) {
    // What each pair of cells should read as, from the table's rows alone.
    std::map<unsigned, std::string> rowTexts;
    for (const braille::AlphabetRow& row : braille::AlphabetTable())
        rowTexts[row.first.Mask() | row.second.Mask() << 6] = std::string(row.text);
    ASSERT_EQ(rowTexts.size(), braille::kAlphabetSize);
    form->Edit1->SetText("A");
    int read = 0, correct = 0;
    for (unsigned pattern = 0; pattern < 4096; ++pattern) {
        auto first = braille::DotSet::FromMask(pattern & 63);
        auto second = braille::DotSet::FromMask(pattern >> 6);
        // Each pattern judged as a fresh answer to the same question. The
        // handler is called directly: the buttons then keep their state, and
        // re-enabling them 4,096 times would only measure Wine's painting.
        form->Edit2->SetText("");
        SetAnswer(first, second);
        form->btnValiderClick(nullptr);
        const auto row = rowTexts.find(pattern);
        const std::string expected = row == rowTexts.end() ? "" : row->second;
        std::string verdict = row == rowTexts.end() ? kNoSign
                              : expected == "A"     ? kCorrect
                                                    : kIncorrect;
        ASSERT_EQ(form->Edit2->Text(), expected) << pattern;
        ASSERT_EQ(form->Label5->Caption(), verdict) << pattern;
        read += !form->Edit2->Text().empty();
        correct += form->Label5->Caption() == kCorrect;
    }
    EXPECT_EQ(read, 103);
    EXPECT_EQ(correct, 1);
}

TEST_F(EvaluationPageTest, QuestionsAreDrawnUniformlyFromAllEntries) {
    auto questions = braille::QuestionList();
    const int perEntry = 50;
    const int draws = perEntry * int(questions.size());
    std::map<std::string, int> counts;
    int repeats = 0;
    std::string previous;
    for (int i = 0; i < draws; ++i) {
        form->btnEffacerClick(nullptr);
        std::string question = form->Edit1->Text();
        ++counts[question];
        repeats += question == previous;
        previous = question;
    }
    ASSERT_EQ(counts.size(), questions.size());
    double chiSquare = 0;
    for (const auto& [question, count] : counts) {
        double deviation = count - perEntry;
        chiSquare += deviation * deviation / perEntry;
    }
    // 102 degrees of freedom: mean 102, deviation about 14.3. A sound draw
    // stays under this bound with overwhelming probability (p < 1e-6); a
    // skewed one (say one entry never drawn, or a few drawn twice as often) fails it.
    EXPECT_LT(chiSquare, 185.0);
    EXPECT_GT(repeats, 0) << "the same entry never came twice in a row";
}

TEST_F(EvaluationPageTest, AltAndTheUnderlinedLetterPressTheButtons) {
    HWND focus = GetFocus() ? GetFocus() : form->Handle();
    PostMessageW(focus, WM_SYSCHAR, L'v', LPARAM(1u << 29));
    guitest::Pump();
    EXPECT_EQ(form->Label5->Caption(), kNoSign);
    PostMessageW(GetFocus() ? GetFocus() : form->Handle(), WM_SYSCHAR, L'E', LPARAM(1u << 29));
    guitest::Pump();
    ExpectNewQuestion();
}

// The button pressed hands the focus to the other, by every route, and Tab
// goes on from there.
TEST_F(EvaluationPageTest, FocusGoesFromValiderToEffacerThenToTheFirstCell) {
    struct Route {
        const char* name;
        void (*press)(HWND button, wchar_t accessKey);
    };
    const Route routes[] = {
        {"mouse", [](HWND button, wchar_t) { guitest::Click(button, 5, 5); }},
        {"space", [](HWND button, wchar_t) { guitest::PressKey(button, VK_SPACE); }},
        {"return", [](HWND button, wchar_t) { guitest::PressKey(button, VK_RETURN); }},
        {"alt+letter",
         [](HWND button, wchar_t key) { PostMessageW(button, WM_SYSCHAR, key, LPARAM(1u << 29)); }},
        {"letter alone",
         [](HWND button, wchar_t key) {
             guitest::Type(button, {&key, 1});
         }},
    };
    HWND valider = form->btnValider->Handle();
    HWND effacer = form->btnEffacer->Handle();
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        SetFocus(valider);
        route.press(valider, L'v');
        guitest::Pump();
        ASSERT_EQ(form->Label5->Caption(), kNoSign);
        EXPECT_EQ(GetFocus(), effacer);
        route.press(effacer, L'e');
        guitest::Pump();
        ASSERT_EQ(form->Label5->Caption(), "");
        // The new question is answered from the first cell on.
        HWND firstCell = form->WorkshopFirstCell.Panel()->Handle();
        EXPECT_EQ(GetFocus(), firstCell);
        guitest::PressKey(firstCell, VK_TAB);
        EXPECT_EQ(GetFocus(), form->WorkshopSecondCell.Panel()->Handle());
    }
}
