// The manifest of the built program, read back as Windows reads it: through
// an activation context made from the program file's own manifest resource.
#include "help/Files.h"
#include "help/rules/Paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kSettings2005[] = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
constexpr wchar_t kSettings2016[] = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

class ManifestTest : public testing::Test {
protected:
    void SetUp() override {
        // The program is built one folder above its tests.
        program = hh_funcs::DirectoryPart(hh_funcs::DirectoryPart(hh_funcs::ProgramFilePath())) +
                  L"\\Sixpointe.exe";
        ASSERT_TRUE(hh_funcs::FileExists(program));
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = program.c_str();
        request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        context = CreateActCtxW(&request);
        ASSERT_NE(context, INVALID_HANDLE_VALUE) << "no manifest in the program, or a broken one";
    }
    void TearDown() override {
        if (context != INVALID_HANDLE_VALUE)
            ReleaseActCtx(context);
    }

    std::wstring Setting(const wchar_t* space, const wchar_t* name) const {
        wchar_t value[64] = {};
        SIZE_T written = 0;
        if (!QueryActCtxSettingsW(0, context, space, name, value, std::size(value), &written))
            return L"(none)";
        return value;
    }

    std::vector<BYTE> Information(ULONG kind) const {
        SIZE_T size = 0;
        QueryActCtxW(0, context, nullptr, kind, nullptr, 0, &size);
        std::vector<BYTE> block(size);
        if (size == 0 || !QueryActCtxW(0, context, nullptr, kind, block.data(), size, &size))
            return {};
        return block;
    }

    std::wstring program;
    HANDLE context = INVALID_HANDLE_VALUE;
};

} // namespace

TEST_F(ManifestTest, WindowsSettingsAskForPerMonitorDpiAndLongPaths) {
    EXPECT_EQ(Setting(kSettings2016, L"dpiAwareness"), L"PerMonitorV2");
    EXPECT_EQ(Setting(kSettings2005, L"dpiAware"), L"true/pm");
    EXPECT_EQ(Setting(kSettings2016, L"longPathAware"), L"true");
}

TEST_F(ManifestTest, EverySystemFromVistaToElevenIsDeclared) {
    std::vector<BYTE> block = Information(CompatibilityInformationInActivationContext);
    ASSERT_GE(block.size(), sizeof(DWORD));
    DWORD count = 0;
    std::memcpy(&count, block.data(), sizeof count);
    EXPECT_EQ(count, 5u);
    // Elements grew a field in later systems: look for each id in the block.
    const GUID systems[] = {
        {0xe2011457, 0x1546, 0x43c5, {0xa5, 0xfe, 0x00, 0x8d, 0xee, 0xe3, 0xd3, 0xf0}}, // Vista
        {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}}, // 7
        {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}}, // 8
        {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}}, // 8.1
        {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}}, // 10, 11
    };
    for (const GUID& system : systems) {
        auto id = reinterpret_cast<const BYTE*>(&system);
        bool declared =
            std::search(block.begin(), block.end(), id, id + sizeof system) != block.end();
        EXPECT_TRUE(declared) << "system " << (&system - systems);
    }
}

TEST_F(ManifestTest, TheProgramRunsWithTheRightsOfWhoeverStartsIt) {
    std::vector<BYTE> block = Information(RunlevelInformationInActivationContext);
    ASSERT_GE(block.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level;
    std::memcpy(&level, block.data(), sizeof level);
    EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(level.UiAccess, 0u);
}
