#include "platform/Files.h"

#include <exception>

namespace vorlane {

namespace {
constexpr std::string_view kTemporarySuffix = ".tmp";
} // namespace

void Files::WriteReplacing(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + std::string(kTemporarySuffix);
    try {
        WriteNewFile(temporary, bytes);
        const bool readOnly = IsReadOnly(path);
        if (readOnly) {
            SetReadOnly(path, false);
        }
        try {
            MoveReplacing(temporary, path);
        } catch (const std::exception&) {
            // The old file stays, and so does its protection.
            if (readOnly) {
                try {
                    SetReadOnly(path, true);
                } catch (const std::exception&) {
                }
            }
            throw;
        }
    } catch (const std::exception&) {
        // A half-written or unused copy is of no use to anyone.
        Delete(temporary);
        throw;
    }
}

} // namespace vorlane
