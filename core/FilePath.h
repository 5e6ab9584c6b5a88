#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// The parts of a Windows path, split after its last backslash or drive colon.
// The file's name: everything after the last backslash or colon (the whole path when it has
// neither).
std::string FileNamePart(std::string_view path);
// The folder: everything up to and including the last backslash or colon (empty when it has
// neither).
std::string FolderPart(std::string_view path);

} // namespace vorlane
