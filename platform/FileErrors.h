#pragma once
// The words of the file errors, the same on every platform: what could not be done to which
// file, folder or path, then why (on Windows the system's own words for the cause).
#include "platform/Errors.h"

#include <string>

namespace vorlane {

// What could not be done to a file.
enum class FileAction { Read, Create, Write, Replace, Change, Move, Reach };

// Die Datei "<path>" kann nicht gelesen werden: <reason>
EFileError FileError(const std::string& path, FileAction action, const std::string& reason);
// Der Ordner "<path>" kann nicht erstellt werden: <reason>
EFileError FolderNotCreatedError(const std::string& path, const std::string& reason);
// Der Pfad "<path>" ist ungültig: <reason>
EFileError InvalidPathError(const std::string& path, const std::string& reason);

} // namespace vorlane
