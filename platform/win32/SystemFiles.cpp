#include "platform/win32/SystemFiles.h"

#include "platform/FileErrors.h"
#include "platform/win32/Handles.h"
#include "platform/win32/SystemErrorText.h"
#include "platform/win32/Utf16.h"

#include <windows.h>

#include <shlobj.h>
#include <winnetwk.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace vorlane::win32 {

namespace {

// Windows' own words for an error, or its number where it has none.
std::string SystemMessage(DWORD error) {
    const std::string text = SystemErrorText(error);
    return text.empty() ? "Systemfehler " + std::to_string(error) : text;
}

// The last error of the calling thread, in Windows' words, as the cause of a file error.
std::string LastErrorMessage() {
    return SystemMessage(GetLastError());
}

[[noreturn]] void ThrowFileError(const std::string& path, FileAction action) {
    throw FileError(path, action, LastErrorMessage());
}

// A handle of an open file, closed when it goes.
using FileHandle = UniqueFile;

// The attributes of what the path names, a symbolic link followed to its target; none when
// nothing is there or a link leads nowhere.
std::optional<DWORD> TargetAttributes(const std::string& path) {
    const std::wstring wide = Widen(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return attributes;
    }
    const FileHandle target(
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!target.Valid() || !GetFileInformationByHandle(target.Get(), &information)) {
        return std::nullopt;
    }
    return information.dwFileAttributes;
}

// How many characters of the path name its root: "C:\" or "\\server\share\"; 0 for a
// relative path.
std::size_t RootLength(const std::wstring& path) {
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') {
        return 3;
    }
    if (path.rfind(L"\\\\", 0) == 0) {
        const std::size_t server = path.find(L'\\', 2);
        const std::size_t share =
            server == std::wstring::npos ? std::wstring::npos : path.find(L'\\', server + 1);
        return share == std::wstring::npos ? path.size() : share + 1;
    }
    return 0;
}

bool StartsWithDriveLetter(const std::wstring& path) {
    return path.size() >= 2 && path[1] == L':' &&
           ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z'));
}

// The UNC form of a path on a mapped network drive; none for any other path.
std::optional<std::wstring> UniversalName(const std::wstring& path) {
    DWORD size = 1024;
    std::vector<unsigned char> buffer(size);
    DWORD result =
        WNetGetUniversalNameW(path.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
    if (result == ERROR_MORE_DATA) {
        buffer.resize(size);
        result =
            WNetGetUniversalNameW(path.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
    }
    if (result != NO_ERROR) {
        return std::nullopt;
    }
    return std::wstring(
        reinterpret_cast<const UNIVERSAL_NAME_INFOW*>(buffer.data())->lpUniversalName);
}

} // namespace

std::string SystemFiles::Read(const std::string& path, std::size_t maxBytes) {
    std::optional<std::string> bytes = ReadIfThere(path, maxBytes);
    if (!bytes) {
        ThrowFileError(path, FileAction::Read);
    }
    return std::move(*bytes);
}

std::optional<std::string> SystemFiles::ReadIfThere(const std::string& path, std::size_t maxBytes) {
    const FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            // Read's error names the cause.
            SetLastError(error);
            return std::nullopt;
        }
        ThrowFileError(path, FileAction::Read);
    }
    std::string bytes;
    std::vector<char> chunk(64 * 1024);
    while (bytes.size() < maxBytes) {
        const auto wanted = static_cast<DWORD>(std::min(chunk.size(), maxBytes - bytes.size()));
        DWORD got = 0;
        if (!ReadFile(file.Get(), chunk.data(), wanted, &got, nullptr)) {
            ThrowFileError(path, FileAction::Read);
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk.data(), got);
    }
    return bytes;
}

bool SystemFiles::WriteNewFile(const std::string& path, std::string_view bytes,
                               const std::string& shownPath) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        if (GetLastError() == ERROR_FILE_EXISTS) {
            return false;
        }
        ThrowFileError(shownPath, FileAction::Create);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto wanted =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1024 * 1024));
        DWORD done = 0;
        if (!WriteFile(file.Get(), bytes.data() + written, wanted, &done, nullptr) || done == 0) {
            ThrowFileError(shownPath, FileAction::Write);
        }
        written += done;
    }
    // On the disk before it takes the old file's place.
    if (!FlushFileBuffers(file.Get()) || !file.Close()) {
        ThrowFileError(shownPath, FileAction::Write);
    }
    return true;
}

void SystemFiles::MoveReplacing(const std::string& from, const std::string& to) {
    if (!MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ThrowFileError(to, FileAction::Replace);
    }
}

bool SystemFiles::IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void SystemFiles::SetReadOnly(const std::string& path, bool readOnly) {
    const std::wstring wide = Widen(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        ThrowFileError(path, FileAction::Change);
    }
    DWORD changed = readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                             : attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (changed == 0) {
        changed = FILE_ATTRIBUTE_NORMAL;
    }
    if (!SetFileAttributesW(wide.c_str(), changed)) {
        ThrowFileError(path, FileAction::Change);
    }
}

bool SystemFiles::Delete(const std::string& path) {
    return DeleteFileW(Widen(path).c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

namespace {

class HeldFile : public Files::Hold {
public:
    explicit HeldFile(FileHandle file) : file_(std::move(file)) {}

private:
    FileHandle file_;
};

} // namespace

std::unique_ptr<Files::Hold> SystemFiles::HoldOpen(const std::string& path) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0,
                                nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        // Held by another process, or let go by it a moment ago and not yet deleted.
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED) {
            return nullptr;
        }
        throw FileError(path, FileAction::Create, SystemMessage(error));
    }
    return std::make_unique<HeldFile>(std::move(file));
}

std::vector<std::string> SystemFiles::FileNamesIn(const std::string& folder,
                                                  std::string_view prefix,
                                                  std::string_view suffix) {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\') {
        pattern += '\\';
    }
    pattern += std::string(prefix) + "*" + std::string(suffix);
    WIN32_FIND_DATAW found{};
    const UniqueFind search(FindFirstFileExW(Widen(pattern).c_str(), FindExInfoBasic, &found,
                                             FindExSearchNameMatch, nullptr, 0));
    std::vector<std::string> names;
    if (!search.Valid()) {
        return names;
    }
    do {
        const std::string name = Narrow(found.cFileName);
        // The pattern also matches short 8.3 names: only the long name counts.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) &&
            name.ends_with(suffix)) {
            names.push_back(name);
        }
    } while (FindNextFileW(search.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

bool SystemFiles::FileExists(const std::string& path) {
    const std::optional<DWORD> attributes = TargetAttributes(path);
    return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SystemFiles::FolderExists(const std::string& path) {
    const std::optional<DWORD> attributes = TargetAttributes(path);
    return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void SystemFiles::CreateFolders(const std::string& path) {
    const std::wstring wide = Widen(path);
    const std::size_t root = RootLength(wide);
    for (std::size_t end = root + 1; end <= wide.size(); ++end) {
        if (end < wide.size() && wide[end] != L'\\') {
            continue;
        }
        if (CreateDirectoryW(wide.substr(0, end).c_str(), nullptr)) {
            continue;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS) {
            continue;
        }
        if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) {
            // Reported by the first write into it.
            return;
        }
        throw FolderNotCreatedError(path, LastErrorMessage());
    }
}

bool SystemFiles::Rename(const std::string& from, const std::string& to) {
    return MoveFileW(Widen(from).c_str(), Widen(to).c_str()) != FALSE;
}

void SystemFiles::SetCurrentFolder(const std::string& path) {
    SetCurrentDirectoryW(Widen(path).c_str());
}

std::string SystemFiles::ProgramFolder() {
    std::wstring file(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
        if (length < file.size()) {
            file.resize(length);
            break;
        }
        file.resize(file.size() * 2);
    }
    return Narrow(file.substr(0, file.find_last_of(L'\\') + 1));
}

std::string SystemFiles::AppDataFolder() {
    // The shell knows the user's roaming application data folder; APPDATA in the environment
    // is only a copy, which whoever starts the program may have set to anything.
    PWSTR allocated = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &allocated);
    // The path is let go even when the call fails.
    const UniqueCoTaskMemory<wchar_t> known(allocated);
    return SUCCEEDED(result) ? Narrow(known.Get()) : std::string();
}

std::string SystemFiles::AbsoluteUniversal(const std::string& path) {
    const std::wstring wide = Widen(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = size == 0 ? 0 : GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
        throw InvalidPathError(path, LastErrorMessage());
    }
    full.resize(length);
    // Only a network drive has a UNC form; asking the network provider about a local drive
    // would load it for nothing.
    if (StartsWithDriveLetter(full) && GetDriveTypeW(full.substr(0, 3).c_str()) == DRIVE_REMOTE) {
        if (const std::optional<std::wstring> universal = UniversalName(full)) {
            return Narrow(*universal);
        }
    }
    return Narrow(full);
}

std::string SystemFiles::AnsiToUtf8(std::string_view text) {
    return Narrow(WidenAnsi(text));
}

} // namespace vorlane::win32
