// Which entry of the help library the two calls use, and what they pass.
#include "FileCalls.h"
#include "HelpTestSupport.h"

#include "help/Files.h"
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

    static Call LastCall() {
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

TEST_F(HelpWindowTest, TheDownloadMarkOfTheHelpFileGoesJustBeforeItOpens) {
    static int callsWhenDeleted;
    callsWhenDeleted = -1;
    std::wstring file = L"C:\\Program Files\\Sixpointe\\Sixpointe.chm";
    FileCalls calls;
    calls.onDelete = [] { callsWhenDeleted = LastCall().count; };
    EXPECT_TRUE(hh::DisplayHelpFile(file));
    EXPECT_EQ(calls.deleted, std::vector<std::wstring>{file + L":Zone.Identifier"});
    EXPECT_EQ(callsWhenDeleted, 0) << "the mark goes before the library opens the file";
    // There was no such file to delete from: the help opens all the same.
    EXPECT_EQ(LastCall().count, 1);
    EXPECT_EQ(LastCall().file, file);
}

TEST_F(HelpWindowTest, APathTooLongForTheLibraryGoesInItsShortFormOrNotAtAll) {
    ScratchDir dir;
    std::wstring folder = MakeLongFolder(dir.Path(), 300);
    std::wstring file = folder + L"\\Sixpointe.chm";
    WriteBytes(file, "help");
    ASSERT_TRUE(hh::DisplayHelpFile(file));
    Call call = LastCall();
    EXPECT_LE(call.file.size(), 259u);
    std::vector<wchar_t> whole(1024);
    DWORD length = GetLongPathNameW(call.file.c_str(), whole.data(), DWORD(whole.size()));
    EXPECT_EQ(std::wstring(whole.data(), length), file) << "the short form names the same file";

    // Without a file there is no short form: nothing is asked of the library.
    EXPECT_FALSE(hh::DisplayHelpFile(folder + L"\\Absent.chm"));
    EXPECT_EQ(LastCall().count, 1);
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
