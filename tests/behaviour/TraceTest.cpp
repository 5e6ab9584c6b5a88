// Failures the user is not told of leave a trace for a bug report, and the user still sees
// no box for them.
#include "AppFixture.h"
#include "SettingsDisk.h"

#include "platform/FileErrors.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using headless::FileStep;
using headless::HeadlessHost;
using headless::RecordingTrace;

const std::string kSettingsFile = kUserFolder + "Vorlane.ini";
const std::string kFormer = kProgramFolder + "Quenby.ini";

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(FailureTrace, EachFailureTheSettingsPassOverInSilenceIsTraced) {
    const struct {
        const char* name;
        std::function<void(HeadlessHost&)> prepare;
        // What the user does once the program runs; nothing for a failure at start.
        std::function<void(App&)> act;
        const char* where;
        std::vector<std::string> what;
    } cases[] = {
        {"the settings file is locked by another program at start",
         [](HeadlessHost& machine) {
             machine.files.AddFile(kSettingsFile, "C:\\gong.mp3\r\n500\r\n300\r\n").locked = true;
         },
         nullptr,
         "SettingsStore::loadMP3",
         {kSettingsFile, "anderen Prozess"}},
        {"the imported former file cannot be set aside",
         [](HeadlessHost& machine) {
             machine.files.AddFile(kFormer, "C:\\gong.mp3\r\n500\r\n300\r\n");
             machine.files.renameOutOfMemory.insert(kFormer);
         },
         nullptr,
         "SettingsStore::ImportOldSettings",
         {"bad_alloc"}},
        {"the shell cannot take the request to show the settings file",
         [](HeadlessHost& machine) { machine.shell.outOfMemory = true; },
         [](App& app) {
             app.application().choose = "mnuOpenConfigFolderHere";
             Dispatch([&] { app.f().TrayIcon.ContextMenu(0, 0); });
         },
         "SettingsStore::mnuOpenConfigFolderHereClick",
         {"bad_alloc"}},
        {"the shell refuses to show the settings file",
         [](HeadlessHost& machine) { machine.shell.accepts = false; },
         [](App& app) {
             app.application().choose = "mnuOpenConfigFolderHere";
             Dispatch([&] { app.f().TrayIcon.ContextMenu(0, 0); });
         },
         "SettingsStore::mnuOpenConfigFolderHereClick",
         {"did not take"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app({}, c.prepare);
        app.Running();
        if (c.act) {
            c.act(app);
        }
        const std::vector<RecordingTrace::Traced>& traced = app.host.trace.traced;
        EXPECT_EQ(traced.size(), 1u);
        if (traced.empty()) {
            continue;
        }
        EXPECT_EQ(traced[0].where, c.where);
        for (const std::string& part : c.what) {
            EXPECT_TRUE(Contains(traced[0].what, part)) << traced[0].what << " lacks " << part;
        }
        EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    }
}

// A disk on which a file's read-only attribute can be taken off but not put back.
class ProtectionNotRestored : public headless::InMemoryFiles {
public:
    using InMemoryFiles::InMemoryFiles;

protected:
    void SetReadOnly(const std::string& path, bool readOnly) override {
        if (readOnly) {
            throw FileError(path, FileAction::Change, "Zugriff verweigert.");
        }
        InMemoryFiles::SetReadOnly(path, readOnly);
    }
};

TEST(FailureTrace, AnUnusedNewFileThatStaysBehindIsTraced) {
    const struct {
        const char* name;
        std::set<FileStep> failing;
        const char* where;
    } cases[] = {
        {"half-written", {FileStep::Write, FileStep::Delete}, "Files::WriteBeside"},
        {"written but not put in the old one's place",
         {FileStep::Replace, FileStep::Delete},
         "Files::WriteReplacing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingTrace trace;
        headless::InMemoryFiles disk(trace);
        disk.AddFile(kSettingsFile, "old");
        disk.failing = c.failing;
        EXPECT_THROW(disk.WriteReplacing(kSettingsFile, "new"), EFileError);
        const std::vector<std::string> left = FilesIn(disk, kUserFolder);
        ASSERT_EQ(left.size(), 2u) << "the new file stays beside the old one";
        const std::string& leftover = left[0] == kSettingsFile ? left[1] : left[0];
        EXPECT_EQ(trace.traced.size(), 1u);
        if (trace.traced.empty()) {
            continue;
        }
        EXPECT_EQ(trace.traced[0].where, c.where);
        EXPECT_EQ(trace.traced[0].what, "Delete: " + leftover + " stays behind");
    }
}

TEST(FailureTrace, AProtectionNotGivenBackAfterAFailedReplaceIsTraced) {
    RecordingTrace trace;
    ProtectionNotRestored disk(trace);
    disk.AddFile(kSettingsFile, "old").readOnly = true;
    disk.failing = {FileStep::Replace};
    try {
        disk.WriteReplacing(kSettingsFile, "new");
        ADD_FAILURE() << "the write went through";
    } catch (const EFileError& error) {
        // The user is told of the replace that failed, as before.
        EXPECT_TRUE(Contains(error.what(), "Replace")) << error.what();
    }
    EXPECT_EQ(BytesOf(disk, kSettingsFile), "old");
    ASSERT_EQ(trace.traced.size(), 1u);
    EXPECT_EQ(trace.traced[0].where, "Files::WriteReplacing");
    EXPECT_TRUE(Contains(trace.traced[0].what, "SetReadOnly")) << trace.traced[0].what;
    EXPECT_TRUE(Contains(trace.traced[0].what, "Zugriff verweigert.")) << trace.traced[0].what;
}

} // namespace
} // namespace vorlane::testing
