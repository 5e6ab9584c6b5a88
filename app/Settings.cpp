// Where the settings live, the one-time import of the former version's file, reading and
// writing the settings file, and showing it in the file manager.
#include "app/VorlaneSRC.h"
#include "core/Centring.h"
#include "core/ScreenCheck.h"
#include "core/SettingsFile.h"
#include "platform/Dispatch.h"

namespace vorlane {

namespace {

constexpr char kSettingsFileName[] = "Vorlane.ini";
constexpr char kFormerSettingsFileName[] = "Quenby.ini";
constexpr char kSetAsideFormerFileName[] = "~deprecated~Quenby.ini";

// "Vorlane\" in the user's roaming application-data folder, made absolute and, on a mapped
// network drive, in its UNC form. Without an application-data folder that is the folder
// "Vorlane" at the root of the current drive.
std::string PerUserFolder(Files& files) {
    std::string folder = files.AppDataFolder();
    if (folder.empty() || folder.back() != '\\') {
        folder += '\\';
    }
    return files.AbsoluteUniversal(folder + "Vorlane\\");
}

} // namespace

bool TFormVorlane::LocateConfigFolder() {
    Files& files = services_.files;
    bool available = false;
    try {
        const std::string programFolder = files.ProgramFolder();
        if (files.FileExists(programFolder + kSettingsFileName)) {
            s_.ConfigDir = programFolder;
            available = true;
        } else {
            const std::string userFolder = PerUserFolder(files);
            if (files.FileExists(userFolder + kSettingsFileName)) {
                s_.ConfigDir = userFolder;
                available = true;
            } else {
                available = ImportOldSettings();
                // "-p" only decides where a new settings file goes.
                s_.ConfigDir = s_.UseExeFolder ? programFolder : userFolder;
                if (!s_.UseExeFolder && !files.FolderExists(userFolder)) {
                    files.CreateFolders(userFolder);
                }
                if (available) {
                    // Written at once, so the next start finds it and never imports again;
                    // with the former file's sound, which the player does not hold yet.
                    s_.SettingsChanged = true;
                    files.SetCurrentFolder(s_.ConfigDir);
                    SaveSettings(s_.SoundFile);
                }
            }
        }
        files.SetCurrentFolder(s_.ConfigDir);
    } catch (const std::exception&) {
        ShowErrorMessageBox("Ein unbekannte Fehler ist aufgetreten bei Laden der ini Datei:\r\n" +
                                s_.ConfigDir + kSettingsFileName,
                            "Fehler");
        return false;
    }
    return available;
}

bool TFormVorlane::ImportOldSettings() {
    bool imported = false;
    try {
        Files& files = services_.files;
        const std::string programFolder = files.ProgramFolder();
        if (files.FileExists(programFolder + kFormerSettingsFileName)) {
            loadMP3(programFolder + kFormerSettingsFileName);
            imported = true;
            // Set aside, not deleted; when the name is taken the old file keeps its own.
            files.Rename(programFolder + kFormerSettingsFileName,
                         programFolder + kSetAsideFormerFileName);
        }
    } catch (const std::exception&) {
        // The import is a courtesy: once the old file has been read, it counts as done.
    }
    return imported;
}

void TFormVorlane::loadMP3(const std::string& path) {
    try {
        Files& files = services_.files;
        // One byte beyond the limit, so that a larger file is recognised as such.
        const SettingsFileContent content =
            ParseSettingsFile(files.Read(path, kSettingsFileMaxBytes + 1),
                              [&files](std::string_view ansi) { return files.AnsiToUtf8(ansi); });
        if (content.soundFile) {
            s_.SoundFile = *content.soundFile;
        }
        if (!content.windowPosition) {
            return;
        }
        const ScreenSize window{Width(), Height()};
        const ScreenSize primary{services_.screen.Width(), services_.screen.Height()};
        try {
            const Rect all = services_.screen.VirtualScreen();
            const ScreenPoint at =
                KeepOnScreen(*content.windowPosition, window,
                             ScreenRect{all.left, all.top, all.width, all.height}, primary);
            SetPosition(at.left, at.top);
        } catch (const std::exception&) {
            const ScreenPoint centre = CentredOnScreen(primary, window);
            SetPosition(centre.left, centre.top);
        }
    } catch (const std::exception&) {
        // Reading reports nothing: what was taken over so far stays.
    }
}

void TFormVorlane::saveMP3() {
    // The sound the player holds: a stored sound that no longer exists is not written back.
    SaveSettings(services_.mediaPlayer.FileName());
}

void TFormVorlane::SaveSettings(const std::string& soundFile) {
    if (!s_.SettingsChanged) {
        return;
    }
    try {
        services_.files.WriteReplacing(s_.ConfigDir + kSettingsFileName,
                                       FormatSettingsFile(soundFile, ScreenPoint{Left(), Top()}));
    } catch (const std::exception& error) {
        ShowErrorMessageBox("Es ist ein Fehler beim Speichern der Einstellungen aufgetreten:\r\n" +
                                ErrorDescription(error),
                            "Fehler");
    }
    // Also after a failure: the box is shown once, not again at exit.
    s_.SettingsChanged = false;
}

void TFormVorlane::mnuOpenConfigFolderHereClick(TComponent* /*sender*/) {
    try {
        services_.shell.Open("explorer.exe",
                             "/select,\"" + s_.ConfigDir + kSettingsFileName + "\"");
    } catch (const std::exception&) {
        // Best effort: the command shows nothing of its own.
    }
}

} // namespace vorlane
