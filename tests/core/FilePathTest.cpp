#include "core/FilePath.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlane {
namespace {

TEST(FilePathTest, SplitsAfterTheLastBackslashOrColon) {
    const struct {
        std::string path;
        std::string folder;
        std::string name;
    } cases[] = {
        {"C:\\Musik\\Wecker.mp3", "C:\\Musik\\", "Wecker.mp3"},
        {"C:Wecker.mp3", "C:", "Wecker.mp3"},
        {"\\\\server\\share\\a.b.wav", "\\\\server\\share\\", "a.b.wav"},
        {"Wecker.mp3", "", "Wecker.mp3"},
        {"C:\\Musik\\", "C:\\Musik\\", ""},
        {"", "", ""},
        // A slash is no separator here, and UTF-8 names pass through whole.
        {"C:\\Lieder/Tür.mid", "C:\\", "Lieder/Tür.mid"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FolderPart(c.path), c.folder);
        EXPECT_EQ(FileNamePart(c.path), c.name);
        EXPECT_EQ(FolderPart(c.path) + FileNamePart(c.path), c.path);
    }
}

} // namespace
} // namespace vorlane
