#pragma once
#include "platform/Files.h"

namespace vorlane::win32 {

// Files and folders through the Windows API; the user's application-data folder from the
// shell, and mapped network drives through their network provider. Error messages end in
// Windows' own words for the cause.
class SystemFiles : public Files {
public:
    using Files::Files;
    std::string Read(const std::string& path, std::size_t maxBytes) override;
    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    void CreateFolders(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    void SetCurrentFolder(const std::string& path) override;
    std::string ProgramFolder() override;
    std::string AppDataFolder() override;
    std::string AbsoluteUniversal(const std::string& path) override;
    std::string AnsiToUtf8(std::string_view text) override;
    // Opened without sharing and deleted when closed, which the system does also for a
    // process that was killed or crashed.
    std::unique_ptr<Hold> HoldOpen(const std::string& path) override;
    std::vector<std::string> FileNamesIn(const std::string& folder, std::string_view prefix,
                                         std::string_view suffix) override;

protected:
    std::optional<std::string> ReadIfThere(const std::string& path, std::size_t maxBytes) override;
    bool WriteNewFile(const std::string& path, std::string_view bytes,
                      const std::string& shownPath) override;
    void MoveReplacing(const std::string& from, const std::string& to) override;
    bool IsReadOnly(const std::string& path) override;
    void SetReadOnly(const std::string& path, bool readOnly) override;
    bool Delete(const std::string& path) override;
};

} // namespace vorlane::win32
