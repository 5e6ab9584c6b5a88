// Where the settings live, the one-time import of the former version's file, reading and
// writing the settings file, and showing it in the file manager.
#include "app/SettingsStore.h"
#include "app/AlarmSound.h"
#include "app/ErrorBoxes.h"
#include "app/ScreenRects.h"
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

SettingsStore::SettingsStore(TFormVorlane& form) : f_(form) {
    f_.mnuOpenConfigFolderHere->OnClick = [this](TComponent* sender) {
        mnuOpenConfigFolderHereClick(sender);
    };
}

bool SettingsStore::Load() {
    if (!LocateConfigFolder()) {
        return false;
    }
    loadMP3(configDir_ + kSettingsFileName);
    return true;
}

void SettingsStore::SaveFirstRun() {
    changed_ = true;
    SaveWholeSettings();
}

bool SettingsStore::LocateConfigFolder() {
    Files& files = f_.Services().files;
    bool available = false;
    try {
        const std::string programFolder = files.ProgramFolder();
        if (files.FileExists(programFolder + kSettingsFileName)) {
            configDir_ = programFolder;
            available = true;
        } else {
            const std::string userFolder = PerUserFolder(files);
            if (files.FileExists(userFolder + kSettingsFileName)) {
                configDir_ = userFolder;
                available = true;
            } else {
                available = ImportOldSettings();
                // "-p" only decides where a new settings file goes.
                configDir_ = useExeFolder_ ? programFolder : userFolder;
                if (!useExeFolder_ && !files.FolderExists(userFolder)) {
                    files.CreateFolders(userFolder);
                }
                if (available) {
                    // Written at once, so the next start finds it and never imports again.
                    // The former file's sound is opened first: it is carried over only when
                    // the device takes it.
                    changed_ = true;
                    files.SetCurrentFolder(configDir_);
                    f_.sound().OpenSoundFile(storedSound_);
                    SaveWholeSettings();
                }
            }
        }
        files.SetCurrentFolder(configDir_);
    } catch (const std::exception&) {
        f_.errors().ShowErrorMessageBox(
            "Ein unbekannte Fehler ist aufgetreten bei Laden der ini Datei:\r\n" + configDir_ +
            kSettingsFileName);
        return false;
    }
    return available;
}

bool SettingsStore::ImportOldSettings() {
    bool imported = false;
    try {
        Files& files = f_.Services().files;
        const std::string programFolder = files.ProgramFolder();
        if (files.FileExists(programFolder + kFormerSettingsFileName)) {
            loadMP3(programFolder + kFormerSettingsFileName);
            imported = true;
            // Set aside, not deleted; when the name is taken the old file keeps its own.
            files.Rename(programFolder + kFormerSettingsFileName,
                         programFolder + kSetAsideFormerFileName);
        }
    } catch (const std::exception& error) {
        f_.Services().trace.Failure("SettingsStore::ImportOldSettings", error.what());
        // The import is a courtesy: once the old file has been read, it counts as done.
    }
    return imported;
}

void SettingsStore::loadMP3(const std::string& path) {
    try {
        Files& files = f_.Services().files;
        // One byte beyond the limit, so that a larger file is recognised as such.
        const SettingsFileContent content =
            ParseSettingsFile(files.Read(path, kSettingsFileMaxBytes + 1),
                              [&files](std::string_view ansi) { return files.AnsiToUtf8(ansi); });
        if (content.soundFile) {
            storedSound_ = *content.soundFile;
        }
        if (!content.windowPosition) {
            return;
        }
        const ScreenSize window{f_.Width(), f_.Height()};
        const ScreenSize primary{f_.Services().screen.Width(), f_.Services().screen.Height()};
        try {
            Screen& screen = f_.Services().screen;
            const ScreenPoint at =
                KeepOnScreen(*content.windowPosition, window, ToScreenRect(screen.VirtualScreen()),
                             ToScreenRects(screen.Monitors()), primary);
            f_.SetPosition(at.left, at.top);
        } catch (const std::exception&) {
            const ScreenPoint centre = CentredOnScreen(primary, window);
            f_.SetPosition(centre.left, centre.top);
        }
    } catch (const std::exception& error) {
        f_.Services().trace.Failure("SettingsStore::loadMP3", error.what());
        // Reading reports nothing: what was taken over so far stays.
    }
}

void SettingsStore::SoundChosen(const std::string& path) {
    changed_ = true;
    if (f_.sound().Loaded() && f_.Services().mediaPlayer.FileName() == path) {
        soundChosen_ = true;
    }
}

void SettingsStore::WindowMayHaveMoved() {
    changed_ = true;
    movedTo_ = ScreenPoint{f_.Left(), f_.Top()};
}

void SettingsStore::NoteSettledPlace() {
    settledPlace_ = ScreenPoint{f_.Left(), f_.Top()};
}

void SettingsStore::SaveWholeSettings() {
    if (!changed_) {
        return;
    }
    WriteSettings([this](Files& files, const std::string& path) {
        files.WriteReplacing(
            path, FormatSettingsFile(f_.sound().OpenedSound(), ScreenPoint{f_.Left(), f_.Top()}));
    });
}

void SettingsStore::saveMP3() {
    SaveChanges(Failure::ShowBox);
}

void SettingsStore::SaveAtSessionEnd() {
    SaveChanges(Failure::Silent);
}

// Other copies of the program may have written the file since this one read it: only what
// this copy changed goes into the file as it is on the disk now.
void SettingsStore::SaveChanges(Failure failure) {
    if (!changed_) {
        return;
    }
    SettingsChanges changes;
    if (soundChosen_ && f_.sound().Loaded()) {
        changes.soundFile = f_.Services().mediaPlayer.FileName();
    }
    const ScreenPoint place = movedTo_.value_or(settledPlace_);
    if (place.left != settledPlace_.left || place.top != settledPlace_.top) {
        changes.windowPosition = place;
    }
    if (!changes.soundFile && !changes.windowPosition) {
        changed_ = false;
        return;
    }
    WriteSettings(
        [this, &changes, place](Files& files, const std::string& path) {
            files.UpdateReplacing(
                path, kSettingsFileMaxBytes + 1, [&](const std::optional<std::string>& current) {
                    if (!current) {
                        // Nothing to keep: the whole file, as on a first run.
                        return FormatSettingsFile(f_.sound().OpenedSound(), place);
                    }
                    return MergeSettingsFile(
                        *current,
                        [&files](std::string_view ansi) { return files.AnsiToUtf8(ansi); },
                        changes);
                });
        },
        failure);
}

void SettingsStore::WriteSettings(const std::function<void(Files&, const std::string&)>& write,
                                  Failure failure) {
    try {
        write(f_.Services().files, configDir_ + kSettingsFileName);
    } catch (const std::exception& error) {
        if (failure == Failure::ShowBox) {
            f_.errors().ShowErrorMessageBox(
                "Es ist ein Fehler beim Speichern der Einstellungen aufgetreten:\r\n" +
                ErrorDescription(error));
        } else {
            f_.Services().trace.Failure("SettingsStore::WriteSettings", ErrorDescription(error));
        }
    }
    // Also after a failure: the box is shown once, not again at exit.
    changed_ = false;
}

void SettingsStore::mnuOpenConfigFolderHereClick(TComponent* /*sender*/) {
    try {
        if (!f_.Services().shell.Open("explorer.exe",
                                      "/select,\"" + configDir_ + kSettingsFileName + "\"")) {
            f_.Services().trace.Failure("SettingsStore::mnuOpenConfigFolderHereClick",
                                        "the shell did not take the request");
        }
    } catch (const std::exception& error) {
        f_.Services().trace.Failure("SettingsStore::mnuOpenConfigFolderHereClick", error.what());
        // Best effort: the command shows nothing of its own.
    }
}

} // namespace vorlane
