// Every function the program takes from a delay-loaded DLL is found there: a name the DLL does
// not export would link, and fail only when the program first calls it.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

struct DelayedImports {
    std::string dll;
    std::vector<std::string> functions;
};

DelayedImports ReadDefinitions(const std::filesystem::path& file) {
    DelayedImports imports;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string word;
        if (!(words >> word) || word.front() == ';' || word == "EXPORTS") {
            continue;
        }
        if (word == "LIBRARY") {
            words >> imports.dll;
        } else {
            imports.functions.push_back(word);
        }
    }
    return imports;
}

TEST(DelayLoad, EveryListedFunctionIsExportedByItsDll) {
    int lists = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VORLANE_DELAYLOAD_DIR)) {
        if (entry.path().extension() != ".def") {
            continue;
        }
        ++lists;
        const DelayedImports imports = ReadDefinitions(entry.path());
        SCOPED_TRACE(imports.dll);
        ASSERT_FALSE(imports.dll.empty()) << entry.path();
        ASSERT_FALSE(imports.functions.empty());
        HMODULE module = LoadLibraryA(imports.dll.c_str());
        ASSERT_NE(module, nullptr);
        for (const std::string& function : imports.functions) {
            EXPECT_NE(GetProcAddress(module, function.c_str()), nullptr) << function;
        }
    }
    EXPECT_GE(lists, 7);
}

} // namespace
} // namespace vorlane::testing
