// Finding, loading and freeing the help library, and reading version resources.
#include "HelpTestSupport.h"

#include "help/FileVersionInfo.h"
#include "help/Files.h"
#include "help/hh.h"

#include <gtest/gtest.h>

using namespace helptest;

namespace {

class BindingTest : public testing::Test {
protected:
    void TearDown() override { hh::UnloadHelpLibrary(); }
    static std::wstring Library(const wchar_t* name) { return BuildDir() + L"\\" + name; }
    static void ExpectUnloaded() {
        EXPECT_EQ(hh::hhLibraryHandle, nullptr);
        EXPECT_EQ(hh::HtmlHelpA, nullptr);
        EXPECT_EQ(hh::HtmlHelpW, nullptr);
        EXPECT_EQ(hh::HtmlHelpDefault, nullptr);
    }
};

} // namespace

TEST_F(BindingTest, TheSystemsHelpControlIsFoundLoadedAndFreed) {
    std::wstring path = hh::FindHelpControlPath();
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(hh_funcs::FileExists(path));
    hh::Initialize();
    ASSERT_NE(hh::hhLibraryHandle, nullptr);
    EXPECT_NE(hh::HtmlHelpA, nullptr);
    EXPECT_NE(hh::HtmlHelpW, nullptr);
    EXPECT_EQ(hh::HtmlHelpDefault, hh::HtmlHelpA);
    HMODULE first = hh::hhLibraryHandle;
    hh::LoadHelpLibrary(); // loaded already: nothing changes
    EXPECT_EQ(hh::hhLibraryHandle, first);
    hh::Finalize();
    ExpectUnloaded();
    hh::UnloadHelpLibrary(); // nothing left to free
    ExpectUnloaded();
}

TEST_F(BindingTest, ARegistrationThatLeadsToNoFileLeavesTheLibraryUnloaded) {
    struct Case {
        const char* what;
        std::wstring value;
        DWORD type;
    } cases[] = {
        // Environment references are not expanded: there is no file at that path.
        {"reference", L"%SystemRoot%\\system32\\hhctrl.ocx", REG_EXPAND_SZ},
        {"reference as plain text", L"%windir%\\system32\\hhctrl.ocx", REG_SZ},
        {"empty", L"", REG_SZ},
        {"missing file", BuildDir() + L"\\no-such-control.ocx", REG_SZ},
        {"folder", BuildDir(), REG_SZ},
        {"a number", L"", REG_DWORD},
    };
    for (const Case& c : cases) {
        RedirectedClasses classes;
        classes.RegisterControl(c.value, c.type);
        EXPECT_EQ(hh::FindHelpControlPath(), L"") << c.what;
        hh::LoadHelpLibrary();
        ExpectUnloaded();
    }
    RedirectedClasses withoutKey;
    EXPECT_EQ(hh::FindHelpControlPath(), L"");
    hh::LoadHelpLibrary();
    ExpectUnloaded();
    RedirectedClasses withoutValue;
    withoutValue.RegisterControlWithoutValue();
    EXPECT_EQ(hh::FindHelpControlPath(), L"");
}

TEST_F(BindingTest, TheRegisteredFileIsLoadedAndAMissingEntryLeavesItsSlotNull) {
    RedirectedClasses classes;
    classes.RegisterControl(Library(L"fakehelp.dll"));
    EXPECT_EQ(hh::FindHelpControlPath(), Library(L"fakehelp.dll"));
    hh::LoadHelpLibrary();
    ASSERT_NE(hh::hhLibraryHandle, nullptr);
    EXPECT_EQ(hh::HtmlHelpDefault, hh::HtmlHelpA);
    EXPECT_NE(hh::HtmlHelpW, nullptr);
    hh::UnloadHelpLibrary();

    classes.RegisterControl(Library(L"version_4_74_8702_0.dll"));
    hh::LoadHelpLibrary();
    EXPECT_NE(hh::hhLibraryHandle, nullptr);
    EXPECT_EQ(hh::HtmlHelpA, nullptr);
    EXPECT_EQ(hh::HtmlHelpW, nullptr);
    EXPECT_EQ(hh::HtmlHelpDefault, nullptr);
}

TEST_F(BindingTest, NotLoadedAtStartWhenTheModuleIsToldNotTo) {
    hh::hhLoadAtStartup = false;
    hh::Initialize();
    hh::hhLoadAtStartup = true;
    ExpectUnloaded();
}

TEST(FileVersions, ReadFromTheVersionResource) {
    struct Case {
        const wchar_t* file;
        const char* text;
        hh_funcs::FileVersion parts;
    } cases[] = {
        {L"version_4_74_8702_0.dll", "4.74.8702.0", {4, 74, 8702, 0}},
        {L"version_5_2_3790_2847.dll", "5.2.3790.2847", {5, 2, 3790, 2847}},
        {L"version_4_70_0_1155.dll", "4.70.0.1155", {4, 70, 0, 1155}},
        {L"no_version.dll", "", {}},
        {L"no-such-file.dll", "", {}},
    };
    for (const Case& c : cases) {
        hh_funcs::VersionReading reading = hh_funcs::ReadFileVersion(BuildDir() + L"\\" + c.file);
        EXPECT_EQ(reading.text, c.text);
        EXPECT_EQ(reading.parts, c.parts) << reading.text;
    }
    EXPECT_EQ(hh_funcs::ReadFileVersion(L"").text, "");
}

TEST(FileVersions, AnOldBrowserControlIsRenumbered) {
    std::wstring old = BuildDir() + L"\\version_4_70_0_1155.dll";
    EXPECT_EQ(hh_funcs::ReadBrowserVersionOf(old).text, "4.70.1155.0");
    std::wstring recent = BuildDir() + L"\\version_5_2_3790_2847.dll";
    EXPECT_EQ(hh_funcs::ReadBrowserVersionOf(recent).text, "5.2.3790.2847");
    EXPECT_EQ(hh_funcs::ReadBrowserVersionOf(BuildDir() + L"\\no_version.dll").text, "");
}

TEST(FileVersions, TheRegisteredControlIsNamedFromItsVersion) {
    struct Case {
        const wchar_t* file;
        const char* name;
    } cases[] = {
        {L"version_4_74_8702_0.dll", "1.3"},
        {L"version_5_2_3790_2847.dll", "> 1.33"},
        {L"no_version.dll", ""},
    };
    for (const Case& c : cases) {
        RedirectedClasses classes;
        classes.RegisterControl(BuildDir() + L"\\" + c.file);
        EXPECT_EQ(hh_funcs::HelpFriendlyVersion(), c.name);
    }
    RedirectedClasses none;
    EXPECT_EQ(hh_funcs::HelpFriendlyVersion(), "");
}
