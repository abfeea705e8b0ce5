// No fault reaches the system: what the first idle moment, the application's
// own window and the destruction of forms run is shown in the standard report,
// and the program goes on or ends cleanly, as after a fault in an event
// handler. The same for the start and end of the modules.
#include "MainWindowFixture.h"

#include "app/ModuleSequence.h"
#include "controls/AlignEdit.h"
#include "framework/core/Application.h"
#include "framework/window/Form.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

class FaultBarrierTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        fw::Application()->OnException = [this](const std::string& message) {
            reported.push_back(message);
        };
    }
    void TearDown() override {
        fw::Application()->OnException = nullptr;
        fw::Application()->OnFirstIdle = nullptr;
        if (form)
            MainWindowTest::TearDown();
    }
    // The application's loop until the program ends, then every form freed.
    void RunUntilEnd() {
        mainWindow = form->Handle();
        fw::Application()->Run();
        fw::Application()->DestroyForms();
        form = nullptr;
    }
    void CloseLater() const { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

    std::vector<std::string> reported;
    HWND mainWindow = nullptr;
};

[[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(what);
}

} // namespace

TEST_F(FaultBarrierTest, AFaultInTheFirstIdleWorkIsShownAndTheProgramGoesOn) {
    fw::Application()->OnFirstIdle = [] { Fail("inactif"); };
    // Typed after the fault: the window still takes it, then closes.
    fw::Application()->OnException = [this](const std::string& message) {
        reported.push_back(message);
        PostMessageW(form->alEdit1->Handle(), WM_CHAR, 'B', 0);
        CloseLater();
    };
    std::string typed;
    auto change = form->alEdit1->OnChange;
    form->alEdit1->OnChange = [&](fw::TComponent* sender) {
        typed = form->alEdit1->Text();
        change(sender);
    };
    RunUntilEnd();
    EXPECT_EQ(reported, std::vector<std::string>{"inactif"});
    EXPECT_EQ(typed, "B");
    EXPECT_FALSE(IsWindow(mainWindow));
}

TEST_F(FaultBarrierTest, AFaultWhileTheMainWindowIsDestroyedStillEndsCleanly) {
    form->OnDestroy = [](fw::TComponent*) { Fail("destruction"); };
    CloseLater();
    RunUntilEnd();
    EXPECT_EQ(reported, std::vector<std::string>{"destruction"});
    EXPECT_FALSE(IsWindow(mainWindow)) << "the window went all the same";
}

TEST_F(FaultBarrierTest, AFaultWhileFreeingAReleasedFormIsShownAndTheLoopGoesOn) {
    // A form freed by the application's own window once its message is handled.
    auto* dialog = new fw::TForm(fw::Application());
    dialog->Show();
    HWND dialogWindow = dialog->Handle();
    int destroyed = 0;
    dialog->OnDestroy = [&](fw::TComponent*) {
        ++destroyed;
        CloseLater();
        Fail("lib\xE9ration");
    };
    fw::Application()->Release(dialog);
    RunUntilEnd();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(reported, std::vector<std::string>{"lib\xE9ration"});
    EXPECT_FALSE(IsWindow(dialogWindow));
}

namespace {

std::vector<std::string> steps;
void Record(const char* step) {
    steps.push_back(step);
}

TEST(ModuleSequenceTest, AModuleThatFailsIsShownAndTheOthersStartAndEnd) {
    std::vector<std::string> reported;
    fw::Application()->OnException = [&](const std::string& message) {
        reported.push_back(message);
    };
    static constexpr Module modules[] = {
        {[] { Record("start 1"); }, [] { Record("end 1"); }},
        {[] { Fail("start 2"); }, [] { Fail("end 2"); }},
        {[] { Record("start 3"); }, [] { Record("end 3"); }, true},
        {[] { Record("start 4"); }, [] { Record("end 4"); }},
    };
    steps.clear();
    ModuleSequence sequence(modules);
    sequence.Initialize(false);
    sequence.Initialize(true);
    sequence.Initialize(true); // once only
    sequence.Finalize();
    fw::Application()->OnException = nullptr;
    EXPECT_EQ(steps, (std::vector<std::string>{"start 1", "start 4", "start 3", "end 4", "end 3",
                                               "end 1"}));
    EXPECT_EQ(reported, (std::vector<std::string>{"start 2", "end 2"}));
}

TEST(ModuleSequenceTest, ModulesLeftForTheFirstIdleMomentStartBeforeTheEnd) {
    static constexpr Module modules[] = {
        {[] { Record("start 1"); }, [] { Record("end 1"); }},
        {[] { Record("start 2"); }, [] { Record("end 2"); }, true},
        {[] { Record("start 3"); }, [] { Record("end 3"); }, true},
    };
    steps.clear();
    ModuleSequence sequence(modules);
    sequence.Initialize(false);
    // The program ends before its first idle moment.
    sequence.Finalize();
    EXPECT_EQ(steps, (std::vector<std::string>{"start 1", "start 2", "start 3", "end 3", "end 2",
                                               "end 1"}));
}

} // namespace
