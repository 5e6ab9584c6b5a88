#include "core/FilePath.h"

namespace vorlane {

namespace {
// Where the name begins: one past the last separator, or 0.
std::size_t NameBegins(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}
} // namespace

std::string FileNamePart(std::string_view path) {
    return std::string(path.substr(NameBegins(path)));
}

std::string FolderPart(std::string_view path) {
    return std::string(path.substr(0, NameBegins(path)));
}

} // namespace vorlane
