#pragma once
#include <cstdint>
#include <string>

namespace vorlane {

// The main window module's state, with the values it has when the program is loaded.
// One instance lives for the whole process; tests make a fresh one per case.
struct VorlaneState {
    std::int32_t RemainingSeconds = 0;
    // Milliseconds on the monotonic clock rather than a wall-clock date-time, so a changed
    // system clock or a daylight-saving switch neither adds nor takes away counted time.
    std::int64_t TimeBase = 0;
    std::int32_t LastTickSeconds = 0;
    std::int32_t PrevTickSeconds = 0;
    std::int32_t TickDelta = 0;
    bool AlarmActive = false;
    std::uint8_t BlinkPhase = 1;
    std::uint8_t IsStarting = 1;
    std::uint8_t ShowInfoAtStart = 0;
    bool StartMinimized = false;
    bool UseExeFolder = false;
    std::string TextSelectSound;
    std::string TextTargetTime;
    std::string TextMinutes;
    std::string TextSeconds;
    bool SelectingTime = false;
    std::int32_t MinutesOnEnter = 0;
    std::int32_t SecondsOnEnter = 0;
    std::uint16_t TargetHour = 0;
    std::uint16_t TargetMinute = 0;
    std::string SelectionStartText;
    // A confirmation of the target time is under way: the focus moves it makes confirm nothing
    // a second time.
    bool ConfirmingSelection = false;
    std::uint8_t SoundLoaded = 0;
    bool IsPlaying = false;
    std::string ConfigDir;
    std::string SoundFile;
    bool SettingsChanged = false;
    // A sound chosen in the dialog or dropped during this run was opened by the device: the
    // exit writes the sound the device holds, if it still holds one.
    bool SoundChosen = false;
    // Where the window stood once start-up had applied the settings: the exit writes the
    // window's place only when it stands elsewhere.
    std::int32_t SettledLeft = 0;
    std::int32_t SettledTop = 0;
    bool HoverShown = false;
};

} // namespace vorlane
