#pragma once
#include "core/Placement.h"
#include "platform/Component.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vorlane {

class Files;
class TFormVorlane;

// The settings file: where it lives, the one-time import of the former version's file,
// reading it at start, and writing what this copy changed (the sound, the window's place).
class SettingsStore {
public:
    explicit SettingsStore(TFormVorlane& form);

    // "-p": a new settings file goes into the program's folder.
    void UseProgramFolder() { useExeFolder_ = true; }
    // Finds the settings and reads them (the sound, the window's place); false when there were
    // none to read, on a first run.
    bool Load();
    // A first run: the settings as they stand are written at once.
    void SaveFirstRun();

    void loadMP3(const std::string& path);
    void saveMP3();
    // The same save while the session ends: a failure stays silent, as Windows gives no time
    // for a box then.
    void SaveAtSessionEnd();

    // A sound was chosen in the dialog or dropped: remembered if the device opened it.
    void SoundChosen(const std::string& path);
    // The user may have moved the window by hand: where it stands now is written at exit, if
    // it moved. Only the user's moves count: a window brought back from a monitor that went
    // away keeps its chosen place in the file, good again once the monitor is back.
    void WindowMayHaveMoved();
    // Remembers where the window stands once start-up has applied the settings.
    void NoteSettledPlace();

    // The folder of the settings file, with its trailing backslash.
    const std::string& ConfigDir() const { return configDir_; }
    // The sound the settings file names.
    const std::string& StoredSound() const { return storedSound_; }
    // Something may have changed that the exit writes.
    bool Changed() const { return changed_; }

private:
    bool LocateConfigFolder();
    bool ImportOldSettings();
    // Writes the whole settings file (when they changed): on a first run and after an import,
    // when there is no file to keep anything of.
    void SaveWholeSettings();
    void mnuOpenConfigFolderHereClick(TComponent* sender);
    enum class Failure { ShowBox, Silent };
    // Merges what this copy changed into the file as it is on the disk now.
    void SaveChanges(Failure failure);
    // Runs a write of the settings file; a failure is shown once, unless it must stay silent.
    void WriteSettings(const std::function<void(Files&, const std::string&)>& write,
                       Failure failure = Failure::ShowBox);

    TFormVorlane& f_;
    bool useExeFolder_ = false;
    std::string configDir_;
    std::string storedSound_;
    bool changed_ = false;
    // A sound chosen in the dialog or dropped during this run was opened by the device: the
    // exit writes the sound the device holds, if it still holds one.
    bool soundChosen_ = false;
    // Where the window stood once start-up had applied the settings, and where the user
    // last moved it: the exit writes the place only when the user moved it elsewhere.
    ScreenPoint settledPlace_{0, 0};
    std::optional<ScreenPoint> movedTo_;
};

} // namespace vorlane
