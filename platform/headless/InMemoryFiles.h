#pragma once
#include "platform/Files.h"

#include <map>
#include <set>
#include <string>

namespace vorlane::headless {

// The steps of file work at which a test can make the disk fail.
enum class FileStep { Create, Write, SetAttributes, Replace, Delete, Rename };

const char* ToString(FileStep step);

// A disk in memory, and the process's view of it: folders; files with their bytes, a
// read-only attribute and a lock another program may hold; folders in which nothing may be
// made; mapped network drives; and failures a test injects at a step. Paths are compared as
// spelled, so a test spells each one the same way. A copy carries the disk over to the
// program's next start.
class InMemoryFiles : public Files {
public:
    explicit InMemoryFiles(FailureTrace& trace);

    std::string Read(const std::string& path, std::size_t maxBytes) override;
    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    void CreateFolders(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    void SetCurrentFolder(const std::string& path) override;
    std::string ProgramFolder() override { return programFolder; }
    std::string AppDataFolder() override { return appDataFolder; }
    std::string AbsoluteUniversal(const std::string& path) override;
    // The code page is taken to be Latin-1.
    std::string AnsiToUtf8(std::string_view text) override;
    // The held file is locked as by another program on a copy of this disk, so a start on a
    // copy taken while a form runs finds it held; letting go removes it from this disk.
    std::unique_ptr<Hold> HoldOpen(const std::string& path) override;
    std::vector<std::string> FileNamesIn(const std::string& folder, std::string_view prefix,
                                         std::string_view suffix) override;

    struct File {
        std::string bytes;
        bool readOnly = false;
        // Open in another program that lets nobody else read, write or delete it.
        bool locked = false;
    };
    // Puts a file there, with every missing folder above it.
    File& AddFile(const std::string& path, std::string bytes);
    // The folder and every missing one above it.
    void AddFolder(const std::string& path);

    std::map<std::string, File> files;
    // Without a trailing backslash; a drive as "C:".
    std::set<std::string> folders;
    // Folders in which nothing may be made, replaced, renamed or deleted, as spelled in
    // `folders`.
    std::set<std::string> deniedFolders;
    // A drive letter with its colon, and the share it stands for ("\\server\share").
    std::map<std::string, std::string> mappedDrives;
    // Every call of a step in here fails: with an error, or returning false where the
    // operation answers with a flag.
    std::set<FileStep> failing;
    // Files whose renaming runs out of memory: the one way a rename fails on Windows other
    // than answering that it could not.
    std::set<std::string> renameOutOfMemory;

    // Every new file written, also those that then take another's place.
    int newFilesWritten = 0;

    std::string programFolder = "C:\\Program Files\\Vorlane\\";
    std::string appDataFolder = "C:\\Users\\Anna\\AppData\\Roaming";
    std::string currentFolder = "C:\\Windows\\System32\\";

protected:
    std::optional<std::string> ReadIfThere(const std::string& path, std::size_t maxBytes) override;
    // Creating the file is the step Create; a failure at Write leaves the first half of the
    // bytes in it.
    bool WriteNewFile(const std::string& path, std::string_view bytes,
                      const std::string& shownPath) override;
    void MoveReplacing(const std::string& from, const std::string& to) override;
    bool IsReadOnly(const std::string& path) override;
    void SetReadOnly(const std::string& path, bool readOnly) override;
    bool Delete(const std::string& path) override;

private:
    void FailIfInjected(FileStep step, const std::string& path) const;
    bool InDeniedFolder(const std::string& path) const;
};

} // namespace vorlane::headless
