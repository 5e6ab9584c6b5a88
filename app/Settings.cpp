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
                    // Written at once, so the next start finds it and never imports again.
                    // The former file's sound is opened first: it is carried over only when
                    // the device takes it.
                    s_.SettingsChanged = true;
                    files.SetCurrentFolder(s_.ConfigDir);
                    OpenSoundFile(s_.SoundFile);
                    SaveWholeSettings();
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

std::string TFormVorlane::OpenedSound() {
    // A sound the device refused would greet every later start with the same error; a stored
    // sound that no longer exists is not handed to the device either.
    return s_.SoundLoaded != 0 ? services_.mediaPlayer.FileName() : std::string();
}

void TFormVorlane::NoteChosenSound(const std::string& path) {
    if (s_.SoundLoaded != 0 && services_.mediaPlayer.FileName() == path) {
        s_.SoundChosen = true;
    }
}

void TFormVorlane::NoteSettledPlace() {
    s_.SettledLeft = Left();
    s_.SettledTop = Top();
}

void TFormVorlane::SaveWholeSettings() {
    if (!s_.SettingsChanged) {
        return;
    }
    WriteSettings([this](Files& files, const std::string& path) {
        files.WriteReplacing(path, FormatSettingsFile(OpenedSound(), ScreenPoint{Left(), Top()}));
    });
}

// Other copies of the program may have written the file since this one read it: only what
// this copy changed goes into the file as it is on the disk now.
void TFormVorlane::saveMP3() {
    if (!s_.SettingsChanged) {
        return;
    }
    SettingsChanges changes;
    if (s_.SoundChosen && s_.SoundLoaded != 0) {
        changes.soundFile = services_.mediaPlayer.FileName();
    }
    if (Left() != s_.SettledLeft || Top() != s_.SettledTop) {
        changes.windowPosition = ScreenPoint{Left(), Top()};
    }
    if (!changes.soundFile && !changes.windowPosition) {
        s_.SettingsChanged = false;
        return;
    }
    WriteSettings([this, &changes](Files& files, const std::string& path) {
        files.UpdateReplacing(
            path, kSettingsFileMaxBytes + 1, [&](const std::optional<std::string>& current) {
                if (!current) {
                    // Nothing to keep: the whole file, as on a first run.
                    return FormatSettingsFile(OpenedSound(), ScreenPoint{Left(), Top()});
                }
                return MergeSettingsFile(
                    *current, [&files](std::string_view ansi) { return files.AnsiToUtf8(ansi); },
                    changes);
            });
    });
}

void TFormVorlane::WriteSettings(const std::function<void(Files&, const std::string&)>& write) {
    try {
        write(services_.files, s_.ConfigDir + kSettingsFileName);
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
