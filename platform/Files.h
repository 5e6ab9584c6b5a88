#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

class FailureTrace;

// Files and folders, and the places the program keeps its settings. Paths are Windows paths
// in UTF-8; a folder path may end in a backslash. Operations that fail throw EFileError with a
// message that names the file and the reason; the queries and the best-effort ones say so
// instead.
class Files {
public:
    // What fails unseen inside WriteReplacing (the old file's read-only attribute not given
    // back after a failed replace, an unused new file that stays behind) is traced to `trace`.
    explicit Files(FailureTrace& trace) : trace_(&trace) {}
    virtual ~Files() = default;
    Files(const Files&) = default;
    // Copying files over others carries the files, not the trace: each keeps its own.
    Files& operator=(const Files& /*other*/) { return *this; }

    // The file's first maxBytes bytes (all of a smaller file). Others may read the file
    // meanwhile, but not write it.
    virtual std::string Read(const std::string& path, std::size_t maxBytes) = 0;

    // Puts exactly these bytes into the file at path, which need not exist yet. The complete
    // new file is written beside it, under a name no file in that folder had, and then takes
    // the old file's place in one step, so whatever fails, the old file stays as it was,
    // bytes and read-only attribute alike, and no new file is left behind as far as it can be
    // removed. A read-only file is replaced too; the new file is not read-only. Errors name
    // the file at path, the one the user knows.
    void WriteReplacing(const std::string& path, std::string_view bytes);

    // Reads the file at path as it is now (at most maxBytes of it) and puts what `update`
    // makes of those bytes in its place, as WriteReplacing does, at once. `update` gets
    // nothing when there is no file. A file that is there but cannot be read throws, and
    // nothing is written.
    using Update = std::function<std::string(const std::optional<std::string>& current)>;
    void UpdateReplacing(const std::string& path, std::size_t maxBytes, const Update& update);

    // Removes the file; false when it is still there (held open, read-only, no right to).
    bool Remove(const std::string& path) { return Delete(path); }

    // A file this process holds open, so no other can open it, until the hold is let go or
    // the process ends however it ends; then the file is gone.
    class Hold {
    public:
        virtual ~Hold() = default;
    };
    // Makes the file (or opens one left behind by a process that held it and lost its power)
    // and holds it; nothing when another process holds it. A folder that is not there throws.
    virtual std::unique_ptr<Hold> HoldOpen(const std::string& path) = 0;

    // The names (not paths) of the files in the folder whose names begin with `prefix` and end
    // with `suffix`, in the order of their names; none for a folder that is not there.
    virtual std::vector<std::string> FileNamesIn(const std::string& folder, std::string_view prefix,
                                                 std::string_view suffix) = 0;

    // Whether an existing file (respectively folder) is there, following symbolic links.
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // Creates the folder and every missing parent, level by level. A level that cannot be
    // made for lack of rights stays missing without a word: the first write into it reports
    // that. A path rejected outright (invalid characters, a drive that does not exist)
    // throws.
    virtual void CreateFolders(const std::string& path) = 0;
    // Gives the file a new name; fails, returning false, when the new name is taken.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // Makes the folder the process's current folder; one that does not exist (or cannot be
    // entered) leaves the current folder as it was.
    virtual void SetCurrentFolder(const std::string& path) = 0;

    // The folder of the running program file, ending in a backslash.
    virtual std::string ProgramFolder() = 0;
    // The current user's roaming application-data folder; empty when the shell cannot tell.
    virtual std::string AppDataFolder() = 0;
    // The path made absolute against the current folder (a path that starts with a backslash
    // against the current drive); on a mapped network drive its UNC form.
    virtual std::string AbsoluteUniversal(const std::string& path) = 0;

    // Text in the system's ANSI code page as UTF-8.
    virtual std::string AnsiToUtf8(std::string_view text) = 0;

protected:
    // The steps of WriteReplacing and UpdateReplacing, which no caller should take on its own.
    // The file's first maxBytes bytes, as Read gives them; nothing when neither the file nor
    // its folder is there.
    virtual std::optional<std::string> ReadIfThere(const std::string& path,
                                                   std::size_t maxBytes) = 0;
    // Creates the file, which must not exist yet, and writes the bytes through to the disk;
    // held exclusively while it is written. Returns false, making nothing, when the name is
    // taken. Errors name shownPath instead of path.
    virtual bool WriteNewFile(const std::string& path, std::string_view bytes,
                              const std::string& shownPath) = 0;
    // Gives the file at `from` the name `to` in one step, replacing a file of that name.
    virtual void MoveReplacing(const std::string& from, const std::string& to) = 0;
    // False for a file that does not exist.
    virtual bool IsReadOnly(const std::string& path) = 0;
    virtual void SetReadOnly(const std::string& path, bool readOnly) = 0;
    // Returns whether the file is gone.
    virtual bool Delete(const std::string& path) = 0;

private:
    // Writes the bytes into a new file beside path and returns its name.
    std::string WriteBeside(const std::string& path, std::string_view bytes);
    // Deletes a new file that did not take the old one's place; one that stays is traced.
    void DeleteUnused(std::string_view where, const std::string& temporary);

    FailureTrace* trace_;
};

} // namespace vorlane
