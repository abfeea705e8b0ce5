// Which entry of the help library the two calls use, and what they pass.
#include "HelpTestSupport.h"

#include "help/HelpWindow.h"
#include "help/hh.h"

#include <gtest/gtest.h>

using namespace helptest;

namespace {

struct Call {
    int count = 0;
    char entry = 0;
    std::wstring file;
    bool nullFile = true;
    UINT command = 0;
};

class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override {
        classes.RegisterControl(BuildDir() + L"\\fakehelp.dll");
        hh::LoadHelpLibrary();
        ASSERT_NE(hh::hhLibraryHandle, nullptr);
    }
    void TearDown() override { hh::UnloadHelpLibrary(); }

    Call LastCall() const {
        using Reader = int(__cdecl*)(char*, const wchar_t**, UINT*);
        auto read = reinterpret_cast<Reader>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"fakehelp.dll"), "FakeHelpLastCall")));
        Call call;
        const wchar_t* file = nullptr;
        call.count = read(&call.entry, &file, &call.command);
        call.nullFile = file == nullptr;
        call.file = file ? file : L"";
        return call;
    }

    RedirectedClasses classes;
};

} // namespace

TEST_F(HelpWindowTest, APathTheAnsiCodePageCanSpellGoesThroughTheDefaultEntry) {
    std::wstring file = L"C:\\Program Files\\Sixpointe\\Sixpointe.chm";
    EXPECT_TRUE(hh::DisplayHelpFile(file));
    Call call = LastCall();
    EXPECT_EQ(call.count, 1);
    EXPECT_EQ(call.entry, 'A');
    EXPECT_EQ(call.file, file);
    EXPECT_EQ(call.command, hh::HH_DISPLAY_TOPIC);
}

TEST_F(HelpWindowTest, APathTheAnsiCodePageCannotSpellGoesThroughTheWideEntry) {
    // Neither Greek nor a macron survives in the ANSI code page of a western
    // system; a best-fit 'a' or a '?' would name another file.
    std::wstring file = L"C:\\Cours \u03A9 \u0101\\Sixpointe.chm";
    EXPECT_TRUE(hh::DisplayHelpFile(file));
    Call call = LastCall();
    EXPECT_EQ(call.entry, 'W');
    EXPECT_EQ(call.file, file);
    EXPECT_EQ(call.command, hh::HH_DISPLAY_TOPIC);
}

TEST_F(HelpWindowTest, CloseAllPassesNoFile) {
    hh::CloseAllHelpWindows();
    Call call = LastCall();
    EXPECT_EQ(call.count, 1);
    EXPECT_EQ(call.entry, 'A');
    EXPECT_TRUE(call.nullFile);
    EXPECT_EQ(call.command, hh::HH_CLOSE_ALL);
}

TEST_F(HelpWindowTest, WithoutTheLibraryNothingIsCalled) {
    // Kept mapped so that its record can still be read.
    HMODULE kept = LoadLibraryW((BuildDir() + L"\\fakehelp.dll").c_str());
    hh::UnloadHelpLibrary();
    EXPECT_FALSE(hh::DisplayHelpFile(L"C:\\Sixpointe.chm"));
    EXPECT_FALSE(hh::DisplayHelpFile(L"C:\\\u03A9\\Sixpointe.chm"));
    hh::CloseAllHelpWindows();
    EXPECT_EQ(LastCall().count, 0);
    FreeLibrary(kept);
}
