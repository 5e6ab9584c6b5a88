#pragma once
#include "core/CountdownRecord.h"
#include "platform/Files.h"

#include <memory>
#include <optional>
#include <string>

namespace vorlane {

struct CommandLineOptions;
class TFormVorlane;

// The record of this copy's running countdown, beside the settings file, so that a later
// start goes on with it when this copy ends other than by the user's hand (the session ended,
// a crash, a kill, the power). Written when the countdown changes, never per tick; gone at a
// normal exit; Windows is asked to restart the program with it while it is there.
//
// A copy's record "Countdown-<8 hex digits>.txt" has a lock file of the same name ending in
// ".lock" that the copy holds open while it runs: the record itself cannot be held, since
// each write replaces it. The system lets the lock go (and deletes it) however the process
// ends, so a record whose lock no process holds is an orphan, and holding its lock is what
// takes it.
class RunningRecord {
public:
    explicit RunningRecord(TFormVorlane& form);
    ~RunningRecord();
    RunningRecord(const RunningRecord&) = delete;
    RunningRecord& operator=(const RunningRecord&) = delete;

    // At start, once the settings folder is known. A start without "-t" and "-s" takes one
    // orphan (the one a restart names first): it goes on counting to the same moment, rings
    // at once when that passed within the hour, or tells by a notification that it passed
    // longer ago. Records of the wrong kind and those a day past their end are dropped.
    // Returns whether the countdown taken over was in the tray.
    bool TakeOrphanAtStart(const CommandLineOptions& options);
    // The countdown, its pause or the window's place in the tray changed: the record follows.
    void CountdownChanged();
    // The user ends the program: nothing is left for a later start.
    void RemoveAtExit();

private:
    // What the record should say now; none while no countdown runs.
    std::optional<CountdownRecord> Current();
    void Write(const CountdownRecord& record);
    void Remove();
    // Takes a fresh name and holds its lock; false when none could be had.
    bool TakeFreshName();
    // Holds the lock of the orphan of that name and reads it; nothing when it is no orphan or
    // was dropped.
    std::optional<CountdownRecord> TakeOrphan(const std::string& id);
    // Goes on with the record taken; false when it only told of a countdown long over.
    bool GoOn(const CountdownRecord& record);
    void Register();
    void Withdraw();
    std::string PathOf(const std::string& id, const char* suffix) const;
    // The local clock's lead over UTC now, in milliseconds.
    std::int64_t LocalLeadMs();

    TFormVorlane& f_;
    // The settings folder; empty until start-up knew it.
    std::string folder_;
    bool programFolder_ = false;
    // The name part of this copy's record and the lock it holds; empty before the first write.
    std::string id_;
    std::unique_ptr<Files::Hold> lock_;
    // The bytes last written, so an unchanged record is not written again.
    std::optional<std::string> written_;
    // The arguments Windows was last asked to restart the program with.
    std::optional<std::string> registered_;
};

} // namespace vorlane
