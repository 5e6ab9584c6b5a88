#include "platform/Files.h"

#include "platform/FileErrors.h"
#include "platform/Services.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <random>

namespace vorlane {

namespace {

// Names tried for the new file before giving up; each is taken only by a leftover of an
// earlier write or by another copy of the program writing at the same moment.
constexpr int kNameAttempts = 100;

// A name beside path that no earlier write used: a random number, so that copies of the
// program writing at once, and leftovers of writes that were cut off, do not meet.
std::string FreshNameBeside(const std::string& path) {
    // Seeded from the clock and where this copy's code was loaded, which differ between
    // copies; the system's random source would load a library of its own for this.
    static std::mt19937_64 random{
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        reinterpret_cast<std::uintptr_t>(&FreshNameBeside)};
    constexpr char kDigits[] = "0123456789abcdef";
    auto number = static_cast<std::uint32_t>(random());
    std::string name = path + ".";
    for (int digit = 0; digit < 8; ++digit, number >>= 4) {
        name += kDigits[number & 0xF];
    }
    return name + ".tmp";
}

} // namespace

void Files::DeleteUnused(std::string_view where, const std::string& temporary) {
    if (!Delete(temporary)) {
        trace_->Failure(where, "Delete: " + temporary + " stays behind");
    }
}

std::string Files::WriteBeside(const std::string& path, std::string_view bytes) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = FreshNameBeside(path);
        try {
            if (WriteNewFile(temporary, bytes, path)) {
                return temporary;
            }
        } catch (const std::exception&) {
            // A half-written copy is of no use to anyone.
            DeleteUnused("Files::WriteBeside", temporary);
            throw;
        }
    }
    throw FileError(path, FileAction::Create, "Kein freier Name für die neue Fassung.");
}

void Files::WriteReplacing(const std::string& path, std::string_view bytes) {
    const std::string temporary = WriteBeside(path, bytes);
    try {
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
                } catch (const std::exception& error) {
                    trace_->Failure("Files::WriteReplacing",
                                    std::string("SetReadOnly: ") + error.what());
                }
            }
            throw;
        }
    } catch (const std::exception&) {
        // An unused copy is of no use to anyone.
        DeleteUnused("Files::WriteReplacing", temporary);
        throw;
    }
}

void Files::UpdateReplacing(const std::string& path, std::size_t maxBytes, const Update& update) {
    // Read right before the new file is written, so that a change another program makes
    // meanwhile is lost only when it lands while the new file is written and moved.
    WriteReplacing(path, update(ReadIfThere(path, maxBytes)));
}

} // namespace vorlane
