#include "platform/headless/InMemoryFiles.h"

#include "core/TextDecoding.h"

#include "platform/FileErrors.h"

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace vorlane::headless {

namespace {

// A folder's spelling in `folders`: no trailing backslash, a drive as "C:".
std::string FolderKey(std::string path) {
    while (path.size() > 2 && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

// The folder a file or folder lies in; empty for a drive or a share's server.
std::string ParentOf(const std::string& path) {
    const std::string key = FolderKey(path);
    const std::size_t separator = key.find_last_of('\\');
    if (separator == std::string::npos || separator < 2) {
        return {};
    }
    return key.substr(0, separator);
}

// Characters no Windows file name may hold; a colon only after the drive letter.
bool HasInvalidCharacters(const std::string& path) {
    if (path.find_first_of("<>\"|?*") != std::string::npos) {
        return true;
    }
    const std::size_t colon = path.find(':', 2);
    return colon != std::string::npos;
}

constexpr char kAccessDenied[] = "Zugriff verweigert.";
constexpr char kFileNotFound[] = "Die Datei wurde nicht gefunden.";
constexpr char kPathNotFound[] = "Der Pfad wurde nicht gefunden.";
constexpr char kInUse[] = "Die Datei wird von einem anderen Prozess verwendet.";

// The error a file operation gives, with the cause in the words Windows gives.
[[noreturn]] void Fail(const std::string& path, FileAction action, const std::string& reason) {
    throw FileError(path, action, reason);
}

} // namespace

const char* ToString(FileStep step) {
    switch (step) {
    case FileStep::Create:
        return "Create";
    case FileStep::Write:
        return "Write";
    case FileStep::SetAttributes:
        return "SetAttributes";
    case FileStep::Replace:
        return "Replace";
    case FileStep::Delete:
        return "Delete";
    case FileStep::Rename:
        return "Rename";
    }
    return "?";
}

InMemoryFiles::InMemoryFiles(FailureTrace& trace) : Files(trace) {
    AddFolder(programFolder);
    AddFolder(appDataFolder);
    AddFolder(currentFolder);
}

void InMemoryFiles::FailIfInjected(FileStep step, const std::string& path) const {
    if (failing.count(step) != 0) {
        Fail(path, FileAction::Reach,
             std::string("Eingespeister Fehler beim Schritt ") + ToString(step) + ".");
    }
}

bool InMemoryFiles::InDeniedFolder(const std::string& path) const {
    return deniedFolders.count(ParentOf(path)) != 0;
}

std::string InMemoryFiles::Read(const std::string& path, std::size_t maxBytes) {
    const auto file = files.find(path);
    if (file == files.end()) {
        Fail(path, FileAction::Read,
             folders.count(FolderKey(path)) != 0 ? kAccessDenied : kFileNotFound);
    }
    if (file->second.locked) {
        Fail(path, FileAction::Read, kInUse);
    }
    return file->second.bytes.substr(0, maxBytes);
}

std::optional<std::string> InMemoryFiles::ReadIfThere(const std::string& path,
                                                      std::size_t maxBytes) {
    if (files.count(path) == 0 && folders.count(FolderKey(path)) == 0) {
        return std::nullopt;
    }
    return Read(path, maxBytes);
}

bool InMemoryFiles::WriteNewFile(const std::string& path, std::string_view bytes,
                                 const std::string& shownPath) {
    FailIfInjected(FileStep::Create, shownPath);
    if (folders.count(ParentOf(path)) == 0) {
        Fail(shownPath, FileAction::Create, kPathNotFound);
    }
    if (files.count(path) != 0 || folders.count(FolderKey(path)) != 0) {
        return false;
    }
    if (InDeniedFolder(path)) {
        Fail(shownPath, FileAction::Create, kAccessDenied);
    }
    File& file = files[path];
    ++newFilesWritten;
    if (failing.count(FileStep::Write) != 0) {
        // The disk filled up half-way.
        file.bytes = std::string(bytes.substr(0, bytes.size() / 2));
        FailIfInjected(FileStep::Write, shownPath);
    }
    file.bytes = std::string(bytes);
    return true;
}

void InMemoryFiles::MoveReplacing(const std::string& from, const std::string& to) {
    FailIfInjected(FileStep::Replace, to);
    const auto source = files.find(from);
    if (source == files.end()) {
        Fail(from, FileAction::Move, kFileNotFound);
    }
    const auto target = files.find(to);
    if (InDeniedFolder(to) || folders.count(FolderKey(to)) != 0 ||
        (target != files.end() && target->second.readOnly)) {
        Fail(to, FileAction::Replace, kAccessDenied);
    }
    if (target != files.end() && target->second.locked) {
        Fail(to, FileAction::Replace, kInUse);
    }
    File moved = source->second;
    files.erase(source);
    files[to] = moved;
}

bool InMemoryFiles::IsReadOnly(const std::string& path) {
    const auto file = files.find(path);
    return file != files.end() && file->second.readOnly;
}

void InMemoryFiles::SetReadOnly(const std::string& path, bool readOnly) {
    FailIfInjected(FileStep::SetAttributes, path);
    const auto file = files.find(path);
    if (file == files.end()) {
        Fail(path, FileAction::Change, kFileNotFound);
    }
    file->second.readOnly = readOnly;
}

bool InMemoryFiles::Delete(const std::string& path) {
    if (failing.count(FileStep::Delete) != 0) {
        return false;
    }
    const auto file = files.find(path);
    if (file == files.end()) {
        return folders.count(FolderKey(path)) == 0;
    }
    if (file->second.readOnly || file->second.locked || InDeniedFolder(path)) {
        return false;
    }
    files.erase(file);
    return true;
}

bool InMemoryFiles::FileExists(const std::string& path) {
    return files.count(path) != 0;
}

bool InMemoryFiles::FolderExists(const std::string& path) {
    return folders.count(FolderKey(path)) != 0;
}

void InMemoryFiles::CreateFolders(const std::string& path) {
    if (HasInvalidCharacters(path)) {
        throw FolderNotCreatedError(path, "Der Dateiname ist ungültig.");
    }
    std::vector<std::string> missing;
    for (std::string level = FolderKey(path); folders.count(level) == 0; level = ParentOf(level)) {
        if (level.empty()) {
            throw FolderNotCreatedError(path, "Das Laufwerk gibt es nicht.");
        }
        missing.push_back(level);
    }
    for (auto level = missing.rbegin(); level != missing.rend(); ++level) {
        if (InDeniedFolder(*level)) {
            return;
        }
        folders.insert(*level);
    }
}

bool InMemoryFiles::Rename(const std::string& from, const std::string& to) {
    if (renameOutOfMemory.count(from) != 0) {
        throw std::bad_alloc();
    }
    if (failing.count(FileStep::Rename) != 0) {
        return false;
    }
    const auto source = files.find(from);
    if (source == files.end() || source->second.locked || InDeniedFolder(from) ||
        files.count(to) != 0 || folders.count(FolderKey(to)) != 0) {
        return false;
    }
    File renamed = source->second;
    files.erase(source);
    files[to] = renamed;
    return true;
}

void InMemoryFiles::SetCurrentFolder(const std::string& path) {
    if (folders.count(FolderKey(path)) != 0) {
        currentFolder = path;
    }
}

std::string InMemoryFiles::AbsoluteUniversal(const std::string& path) {
    std::string absolute = path;
    if (path.rfind("\\\\", 0) == 0) {
        return path;
    }
    if (path.rfind('\\', 0) == 0) {
        absolute = currentFolder.substr(0, 2) + path;
    } else if (path.size() < 2 || path[1] != ':') {
        absolute = FolderKey(currentFolder) + "\\" + path;
    }
    const auto mapped = mappedDrives.find(absolute.substr(0, 2));
    if (mapped != mappedDrives.end()) {
        return mapped->second + absolute.substr(2);
    }
    return absolute;
}

std::string InMemoryFiles::AnsiToUtf8(std::string_view text) {
    return Latin1ToUtf8(text);
}

namespace {

class InMemoryHold : public Files::Hold {
public:
    InMemoryHold(std::map<std::string, InMemoryFiles::File>& files, std::string path)
        : files_(files), path_(std::move(path)) {}
    ~InMemoryHold() override { files_.erase(path_); }
    InMemoryHold(const InMemoryHold&) = delete;
    InMemoryHold& operator=(const InMemoryHold&) = delete;

private:
    std::map<std::string, InMemoryFiles::File>& files_;
    std::string path_;
};

} // namespace

std::unique_ptr<Files::Hold> InMemoryFiles::HoldOpen(const std::string& path) {
    FailIfInjected(FileStep::Create, path);
    if (folders.count(ParentOf(path)) == 0) {
        Fail(path, FileAction::Create, kPathNotFound);
    }
    const auto held = files.find(path);
    if (held != files.end() && held->second.locked) {
        return nullptr;
    }
    if (held == files.end() && InDeniedFolder(path)) {
        Fail(path, FileAction::Create, kAccessDenied);
    }
    files[path].locked = true;
    return std::make_unique<InMemoryHold>(files, path);
}

std::vector<std::string> InMemoryFiles::FileNamesIn(const std::string& folder,
                                                    std::string_view prefix,
                                                    std::string_view suffix) {
    std::vector<std::string> names;
    const std::string key = FolderKey(folder);
    for (const auto& [path, file] : files) {
        if (ParentOf(path) != key) {
            continue;
        }
        const std::string name = path.substr(key.size() + 1);
        if (name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) &&
            name.ends_with(suffix)) {
            names.push_back(name);
        }
    }
    return names;
}

InMemoryFiles::File& InMemoryFiles::AddFile(const std::string& path, std::string bytes) {
    AddFolder(ParentOf(path));
    File& file = files[path];
    file.bytes = std::move(bytes);
    return file;
}

void InMemoryFiles::AddFolder(const std::string& path) {
    for (std::string level = FolderKey(path); !level.empty(); level = ParentOf(level)) {
        folders.insert(level);
    }
}

} // namespace vorlane::headless
