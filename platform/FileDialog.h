#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vorlane {

// One entry of the dialog's file-type list: its name and its patterns, separated by
// semicolons.
struct FileTypeFilter {
    std::string name;
    std::string patterns;
    bool operator==(const FileTypeFilter&) const = default;
};

// What the file-open dialog shows and asks of the chosen file. The form keeps one, so the
// folder it starts in carries over from one opening to the next.
struct OpenDialogSettings {
    std::string title;
    std::string fileNameLabel;
    // The entries of the file-type list, the first one chosen when the dialog opens.
    std::vector<FileTypeFilter> filters;
    // The text of the file-name box when the dialog opens.
    std::string fileName;
    // Added to a typed name without extension.
    std::string defaultExtension;
    // Empty: the platform's choice.
    std::string initialFolder;
    bool pathMustExist = false;
    bool fileMustExist = false;
};

// The file-open dialog over the main window.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Shows the dialog modally; returns the chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> Open(const OpenDialogSettings& settings) = 0;
};

} // namespace vorlane
