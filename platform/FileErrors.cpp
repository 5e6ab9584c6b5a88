#include "platform/FileErrors.h"

namespace vorlane {

namespace {

const char* Words(FileAction action) {
    switch (action) {
    case FileAction::Read:
        return "kann nicht gelesen werden";
    case FileAction::Create:
        return "kann nicht erstellt werden";
    case FileAction::Write:
        return "kann nicht geschrieben werden";
    case FileAction::Replace:
        return "kann nicht ersetzt werden";
    case FileAction::Change:
        return "kann nicht geändert werden";
    case FileAction::Move:
        return "kann nicht verschoben werden";
    case FileAction::Reach:
        break;
    }
    return "ist nicht verfügbar";
}

EFileError Error(const char* subject, const std::string& path, const char* what,
                 const std::string& reason) {
    return EFileError(std::string(subject) + " \"" + path + "\" " + what + ": " + reason);
}

} // namespace

EFileError FileError(const std::string& path, FileAction action, const std::string& reason) {
    return Error("Die Datei", path, Words(action), reason);
}

EFileError FolderNotCreatedError(const std::string& path, const std::string& reason) {
    return Error("Der Ordner", path, "kann nicht erstellt werden", reason);
}

EFileError InvalidPathError(const std::string& path, const std::string& reason) {
    return Error("Der Pfad", path, "ist ungültig", reason);
}

} // namespace vorlane
