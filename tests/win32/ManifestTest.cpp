// The manifest the exe carries: the systems it was made for, long paths, and per-monitor DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace vorlane::testing {
namespace {

std::string Manifest() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return {bytes, SizeofResource(module, found)};
}

TEST(Manifest, NamesWindows7To11LongPathsAndPerMonitorDpi) {
    const std::string manifest = Manifest();
    ASSERT_FALSE(manifest.empty());
    for (const char* expected : {
             "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>", // 7
             "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>", // 8
             "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>", // 8.1
             "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>", // 10 and 11
             "WindowsSettings\">true</longPathAware>",
             ">PerMonitorV2, PerMonitor</dpiAwareness>",
         }) {
        EXPECT_NE(manifest.find(expected), std::string::npos) << expected;
    }
}

} // namespace
} // namespace vorlane::testing
