#pragma once
#include "platform/Component.h"

#include <cstdint>
#include <functional>
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

    // A sound was chosen in the dialog or dropped: remembered if the device opened it.
    void SoundChosen(const std::string& path);
    // The window may have been moved by hand; its place is written at exit if it moved.
    void WindowMayHaveMoved() { changed_ = true; }
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
    // Runs a write of the settings file; a failure is shown once.
    void WriteSettings(const std::function<void(Files&, const std::string&)>& write);

    TFormVorlane& f_;
    bool useExeFolder_ = false;
    std::string configDir_;
    std::string storedSound_;
    bool changed_ = false;
    // A sound chosen in the dialog or dropped during this run was opened by the device: the
    // exit writes the sound the device holds, if it still holds one.
    bool soundChosen_ = false;
    // Where the window stood once start-up had applied the settings: the exit writes the
    // window's place only when it stands elsewhere.
    std::int32_t settledLeft_ = 0;
    std::int32_t settledTop_ = 0;
};

} // namespace vorlane
