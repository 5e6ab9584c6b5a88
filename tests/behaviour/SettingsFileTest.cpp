// Reading the settings file into the window and writing it back, and what is left on the disk
// when a write fails.
#include "SettingsDisk.h"

#include "core/SettingsFile.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using headless::FileStep;
using headless::HeadlessHost;
using headless::InMemoryFiles;

const std::string kSettingsFile = kUserFolder + "Vorlane.ini";
// The name the copy beside the settings file had in earlier versions.
const std::string kLeftoverFile = kSettingsFile + ".tmp";
const std::string kSavingError =
    "Es ist ein Fehler beim Speichern der Einstellungen aufgetreten:\r\n";

std::string Utf16Le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string Utf16Be(const std::u16string& text) {
    std::string bytes = "\xFE\xFF";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

// A running program whose window stands at 300, 200 with a sound file already taken over.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        app.Running();
        Reset();
    }
    void Reset() {
        app.f().SetPosition(300, 200);
        // The settings file as it is: reading the stored sound and saving the choice below
        // leave it as they found it.
        const auto kept = disk().files.find(kSettingsFile);
        const std::optional<InMemoryFiles::File> onDisk =
            kept == disk().files.end() ? std::nullopt : std::optional(kept->second);
        // The stored sound, as a start that read it leaves it.
        disk().AddFile(kSettingsFile, "C:\\before.mp3\r\n300\r\n200\r\n");
        app.f().settings().loadMP3(kSettingsFile);
        // The player holds it, as after a start that found it; nothing is left to save.
        app.OpenSound("C:\\before.mp3");
        app.SettingsSaved();
        disk().files.erase(kSettingsFile);
        if (onDisk) {
            disk().files[kSettingsFile] = *onDisk;
        }
    }
    InMemoryFiles& disk() { return app.host.files; }
    // A left press on the background, where a user grabs the window to move it there.
    void Drag(int left, int top) {
        app.window().dragTo = {Point{left, top}};
        Dispatch([&] {
            app.f().MouseDown(MouseButton::Left, 30, 110, ShiftState{true, false, false});
        });
    }
    App app;
};

TEST_F(SettingsFile, ReadingTakesOverWhatItCanAndKeepsTheRest) {
    const std::string oneMiB(kSettingsFileMaxBytes, ' ');
    const std::string fits = "big.mp3\r\n7\r\n8\r\n";
    const struct {
        const char* name;
        std::string bytes;
        std::string sound;
        int left, top;
    } cases[] = {
        {"UTF-8 with mark, CR LF", kBom + "C:\\Klänge\\gong.mp3\r\n500\r\n-30\r\n",
         "C:\\Klänge\\gong.mp3", 500, -30},
        {"UTF-16 LE with mark, LF", Utf16Le(u"C:\\ä.mp3\n10\n20\n"), "C:\\ä.mp3", 10, 20},
        {"UTF-16 BE with mark, lone CR", Utf16Be(u"C:\\ö.mp3\r11\r21"), "C:\\ö.mp3", 11, 21},
        {"ANSI without mark", "C:\\\xFC.mp3\r\n12\r\n22\r\n", "C:\\ü.mp3", 12, 22},
        {"hexadecimal and signs", "s\r\n$1F\r\n+0x10\r\n", "s", 31, 16},
        {"a lone CR at the end", "s\r\n13\r\n23\r", "s", 13, 23},
        {"empty line 1", "\r\n14\r\n24\r\n", "", 14, 24},
        {"empty file", "", "C:\\before.mp3", 300, 200},
        {"a single line", "only.mp3", "only.mp3", 300, 200},
        {"line 3 of letters", "s\r\n15\r\nabc\r\n", "s", 300, 200},
        {"lines of letters", "abc\r\ndef\r\nghi\r\n", "abc", 300, 200},
        {"a number beyond 32 bits", "s\r\n2147483648\r\n5\r\n", "s", 300, 200},
        {"UTF-16 with an odd byte count", Utf16Le(u"s\r\n16\r\n2") + "6", "s", 300, 200},
        {"binary", std::string("\x01\x02\x00\x03", 4), std::string("\x01\x02\x00\x03", 4), 300,
         200},
        {"1 MiB exactly", fits + oneMiB.substr(fits.size()), "big.mp3", 7, 8},
        {"1 MiB and a byte", fits + oneMiB.substr(fits.size()) + " ", "C:\\before.mp3", 300, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        disk().AddFile(kSettingsFile, c.bytes);
        app.f().settings().loadMP3(kSettingsFile);
        EXPECT_EQ(app.f().settings().StoredSound(), c.sound);
        EXPECT_EQ(app.f().Left(), c.left);
        EXPECT_EQ(app.f().Top(), c.top);
    }
}

TEST_F(SettingsFile, AFileThatCannotBeReadChangesNothing) {
    const struct {
        const char* name;
        std::function<void(InMemoryFiles&)> prepare;
    } cases[] = {
        {"missing", [](InMemoryFiles& d) { d.files.erase(kSettingsFile); }},
        {"locked by another program",
         [](InMemoryFiles& d) { d.AddFile(kSettingsFile, "s\r\n1\r\n2\r\n").locked = true; }},
        {"a folder of that name",
         [](InMemoryFiles& d) {
             d.files.erase(kSettingsFile);
             d.AddFolder(kSettingsFile);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare(disk());
        app.f().settings().loadMP3(kSettingsFile);
        EXPECT_EQ(app.f().settings().StoredSound(), "C:\\before.mp3");
        EXPECT_EQ(app.f().Left(), 300);
        EXPECT_EQ(app.f().Top(), 200);
        EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    }
}

TEST(SettingsScreenCheck, AStoredPlaceIsKeptOnlyWhereTheWindowCanBeReached) {
    const struct {
        const char* name;
        int primaryWidth;
        Rect virtualScreen; // empty: the primary screen alone
        int storedLeft, storedTop;
        int left, top;
        // The monitors' rectangles; empty: the virtual screen is one monitor.
        std::vector<Rect> monitors = {};
    } cases[] = {
        {"inside", 1920, {}, 1909, 1000, 1909, 1000},
        // The round window shows no pixel in the corner, though its box does.
        {"in the corner", 1920, {}, 1909, 1069, 874, 421},
        {"too far right and down", 1920, {}, 1910, 1070, 874, 421},
        {"almost off the left", 1920, {}, -170, 0, -170, 0},
        {"off the left", 1920, {}, -171, 0, 874, 0},
        {"a wider primary screen centres by its width", 2560, {}, 5000, 0, 1194, 0},
        {"on a monitor left of the primary",
         1920,
         {-1280, -200, 3200, 1280},
         -1400,
         -300,
         -1400,
         -300,
         {{-1280, -200, 1280, 1280}, {0, 0, 1920, 1080}}},
        {"beyond that monitor",
         1920,
         {-1280, -200, 3200, 1280},
         -1451,
         -438,
         874,
         421,
         {{-1280, -200, 1280, 1280}, {0, 0, 1920, 1080}}},
        // A 1280 x 720 monitor right of the primary: below it lies no monitor.
        {"below a smaller monitor",
         1920,
         {0, 0, 3200, 1080},
         2500,
         842,
         874,
         842,
         {{0, 0, 1920, 1080}, {1920, 0, 1280, 720}}},
        {"below it and past the primary's bottom",
         1920,
         {0, 0, 3200, 1080},
         3100,
         900,
         874,
         421,
         {{0, 0, 1920, 1080}, {1920, 0, 1280, 720}}},
        {"on the smaller monitor",
         1920,
         {0, 0, 3200, 1080},
         2500,
         300,
         2500,
         300,
         {{0, 0, 1920, 1080}, {1920, 0, 1280, 720}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app({}, [&](HeadlessHost& machine) {
            machine.screen.width = c.primaryWidth;
            machine.screen.virtualScreen = c.virtualScreen;
            for (const Rect& monitor : c.monitors) {
                machine.screen.monitors.push_back({monitor, monitor});
            }
            machine.files.AddFile(kSettingsFile, "s\r\n" + std::to_string(c.storedLeft) + "\r\n" +
                                                     std::to_string(c.storedTop) + "\r\n");
        });
        EXPECT_EQ(app.f().Left(), c.left);
        EXPECT_EQ(app.f().Top(), c.top);
    }
}

TEST(SettingsScreenCheck, AWindowThatCannotBePlacedThereIsCentred) {
    App app({}, [](HeadlessHost& machine) {
        machine.files.AddFile(kSettingsFile, "s\r\n500\r\n300\r\n");
        machine.log.failOn = "bounds 500,300,171,238";
    });
    EXPECT_EQ(app.f().Left(), 874);
    EXPECT_EQ(app.f().Top(), 421);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

TEST_F(SettingsFile, ARunWithoutChangesLeavesTheFileUntouched) {
    const std::string handWritten = HandWrittenSettings("C:\\before.mp3", 300, 200);
    disk().AddFile(kSettingsFile, handWritten);
    app.f().settings().loadMP3(kSettingsFile);
    app.Tick();
    app.Click(app.f().btnPlusFive.Normal);
    app.Key(0x1B);
    ASSERT_TRUE(app.window().closed);
    EXPECT_EQ(BytesOf(disk(), kSettingsFile), handWritten);
    EXPECT_EQ(FilesIn(disk(), kUserFolder), std::vector<std::string>{kSettingsFile});
}

TEST_F(SettingsFile, ADragIsWrittenAtExitAndTheNextStartComesUpThere) {
    disk().AddFile(kSettingsFile, HandWrittenSettings("C:\\before.mp3", 300, 200));
    Drag(640, 360);
    ASSERT_EQ(app.f().Left(), 640);
    app.Key(0x1B);
    ASSERT_TRUE(app.window().closed);
    EXPECT_EQ(BytesOf(disk(), kSettingsFile), WrittenSettings("C:\\before.mp3", 640, 360));
    EXPECT_EQ(FilesIn(disk(), kUserFolder), std::vector<std::string>{kSettingsFile});

    App next({}, [&](HeadlessHost& machine) { machine.files = disk(); });
    EXPECT_EQ(next.f().Left(), 640);
    EXPECT_EQ(next.f().Top(), 360);
    EXPECT_EQ(next.f().settings().StoredSound(), "C:\\before.mp3");
    EXPECT_FALSE(next.StartUpEndsWithTheInfoDialog());
}

// The line is not this run's to change: the sound may come back (a drive plugged in again).
// A window moved straight along, to the side or up and down, has moved all the same.
TEST(SettingsWindowPlace, ADragAlongOneAxisIsWritten) {
    for (const Point to : {Point{640, 200}, Point{300, 360}}) {
        SCOPED_TRACE(std::to_string(to.x) + ", " + std::to_string(to.y));
        App app({}, [](HeadlessHost& machine) {
            machine.files.AddFile(kSettingsFile, HandWrittenSettings("C:\\before.mp3", 300, 200));
        });
        app.Running();
        ASSERT_EQ(app.f().Left(), 300);
        app.window().dragTo = {to};
        Dispatch([&] { app.f().MouseDown(MouseButton::Left, 30, 110, ShiftState{true}); });
        app.Key(0x1B);
        EXPECT_EQ(BytesOf(app.host.files, kSettingsFile),
                  WrittenSettings("C:\\before.mp3", to.x, to.y));
    }
}

TEST(SettingsSoundLine, AStoredSoundThatIsGoneKeepsItsLineAfterADrag) {
    App app({}, [](HeadlessHost& machine) {
        machine.files.AddFile(kSettingsFile, HandWrittenSettings("C:\\gone.mp3", 300, 200));
    });
    app.Running();
    EXPECT_EQ(app.f().settings().StoredSound(), "C:\\gone.mp3");
    app.window().dragTo = {Point{500, 400}};
    Dispatch([&] { app.f().MouseDown(MouseButton::Left, 30, 110, ShiftState{true}); });
    app.Key(0x1B);
    EXPECT_EQ(BytesOf(app.host.files, kSettingsFile), WrittenSettings("C:\\gone.mp3", 500, 400));
}

TEST_F(SettingsFile, AReadOnlyFileIsReplacedByAnOrdinaryOne) {
    disk().AddFile(kSettingsFile, "old").readOnly = true;
    app.f().settings().WindowMayHaveMoved();
    app.f().settings().saveMP3();
    EXPECT_EQ(BytesOf(disk(), kSettingsFile), WrittenSettings("C:\\before.mp3", 300, 200));
    EXPECT_FALSE(disk().files[kSettingsFile].readOnly);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    EXPECT_FALSE(app.f().settings().Changed());
}

TEST_F(SettingsFile, AWriteThatFailsAtAnyStepLeavesTheOldFileAsItWas) {
    const std::string old = HandWrittenSettings("C:\\old.mp3", 1, 2);
    const std::string written = WrittenSettings("C:\\before.mp3", 300, 200);
    const std::string halfWritten = written.substr(0, written.size() / 2);
    const struct {
        const char* name;
        std::function<void(InMemoryFiles&)> prepare;
        // What is left of the new file beside the old one.
        std::string leftOver;
    } cases[] = {
        {"creating the new file", [](InMemoryFiles& d) { d.failing = {FileStep::Create}; }, ""},
        {"writing it", [](InMemoryFiles& d) { d.failing = {FileStep::Write}; }, ""},
        {"writing it, and its removal fails too",
         [](InMemoryFiles& d) {
             d.failing = {FileStep::Write, FileStep::Delete};
         },
         halfWritten},
        {"clearing the old file's read-only attribute",
         [](InMemoryFiles& d) {
             d.files[kSettingsFile].readOnly = true;
             d.failing = {FileStep::SetAttributes};
         },
         ""},
        {"replacing the old file", [](InMemoryFiles& d) { d.failing = {FileStep::Replace}; }, ""},
        {"replacing a read-only old file",
         [](InMemoryFiles& d) {
             d.files[kSettingsFile].readOnly = true;
             d.failing = {FileStep::Replace};
         },
         ""},
        {"the old file locked by another program",
         [](InMemoryFiles& d) { d.files[kSettingsFile].locked = true; }, ""},
        {"a folder where nothing may be written",
         [](InMemoryFiles& d) {
             d.deniedFolders.insert("C:\\Users\\Anna\\AppData\\Roaming\\Vorlane");
         },
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        app.host.messageBoxes.shown.clear();
        disk().failing.clear();
        disk().deniedFolders.clear();
        for (const std::string& name : FilesIn(disk(), kUserFolder)) {
            disk().files.erase(name);
        }
        disk().files[kSettingsFile] = {old, false, false};
        c.prepare(disk());
        const InMemoryFiles::File before = disk().files[kSettingsFile];

        app.f().settings().WindowMayHaveMoved();
        app.f().settings().saveMP3();

        const InMemoryFiles::File& after = disk().files[kSettingsFile];
        EXPECT_EQ(after.bytes, old);
        EXPECT_EQ(after.readOnly, before.readOnly);
        std::vector<std::string> leftOver;
        for (const std::string& name : FilesIn(disk(), kUserFolder)) {
            if (name != kSettingsFile) {
                leftOver.push_back(disk().files[name].bytes);
            }
        }
        EXPECT_EQ(leftOver, c.leftOver.empty() ? std::vector<std::string>{}
                                               : std::vector<std::string>{c.leftOver});
        ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
        const headless::ShownBox& box = app.host.messageBoxes.shown[0];
        EXPECT_EQ(box.caption, "Fehler");
        EXPECT_EQ(box.text.rfind(kSavingError, 0), 0u) << box.text;
        EXPECT_EQ(box.text.substr(box.text.size() - 13), " (EFileError)") << box.text;
        EXPECT_FALSE(app.f().settings().Changed());
        // Shown once: the exit does not try again.
        app.f().settings().saveMP3();
        EXPECT_EQ(app.host.messageBoxes.shown.size(), 1u);
    }
}

TEST_F(SettingsFile, TheErrorBoxGivesTheFailingStepsMessageAndType) {
    disk().failing = {FileStep::Replace};
    app.f().settings().WindowMayHaveMoved();
    app.f().settings().saveMP3();
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text,
              kSavingError + "Die Datei \"" + kSettingsFile +
                  "\" ist nicht verfügbar: Eingespeister Fehler beim Schritt Replace. "
                  "(EFileError)");
}

const std::string kOldSound = "C:\\Musik\\Alt.mp3";
const std::string kNewSound = "C:\\Musik\\Neu.mp3";

// Moves the window with a left press on its background.
void DragWindow(App& app, int left, int top) {
    app.window().dragTo = {Point{left, top}};
    Dispatch([&] { app.f().MouseDown(MouseButton::Left, 30, 110, ShiftState{true}); });
}

void ChooseInDialog(App& app, const std::string& file) {
    app.host.fileDialog.answer = file;
    Dispatch([&] { app.f().sound().btnOpenMP3NormalClick(nullptr); });
}

// Several copies of the program run on one disk: what one copy wrote is on the disk the
// other finds when it exits.
TEST(SettingsSeveralCopies, EachCopyWritesOnlyWhatItChangedOverTheFileAsItIsAtExit) {
    const struct {
        const char* name;
        bool movedCopyExitsFirst;
    } cases[] = {{"the copy that chose a sound exits first", false},
                 {"the copy that was moved exits first", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App moving({}, [](HeadlessHost& machine) {
            machine.files.AddFile(kSettingsFile, HandWrittenSettings(kOldSound, 300, 200));
            machine.files.AddFile(kOldSound, "");
            machine.files.AddFile(kNewSound, "");
        });
        moving.Running();
        App choosing({}, [&](HeadlessHost& machine) { machine.files = moving.host.files; });
        choosing.Running();
        ASSERT_EQ(choosing.f().settings().StoredSound(), kOldSound);

        ChooseInDialog(choosing, kNewSound);
        DragWindow(moving, 640, 360);
        App& first = c.movedCopyExitsFirst ? moving : choosing;
        App& last = c.movedCopyExitsFirst ? choosing : moving;
        first.Key(0x1B);
        ASSERT_TRUE(first.window().closed);
        last.host.files = first.host.files;
        last.Key(0x1B);
        ASSERT_TRUE(last.window().closed);
        EXPECT_EQ(BytesOf(last.host.files, kSettingsFile), WrittenSettings(kNewSound, 640, 360));
        EXPECT_TRUE(last.host.messageBoxes.shown.empty());
    }
}

TEST(SettingsSeveralCopies, AFileMissingAtExitIsWrittenWholeAndOneThatCannotBeReadIsKept) {
    App app({}, [](HeadlessHost& machine) {
        machine.files.AddFile(kSettingsFile, HandWrittenSettings(kOldSound, 300, 200));
        machine.files.AddFile(kOldSound, "");
    });
    app.Running();
    DragWindow(app, 640, 360);
    // Another copy holds the file open while this one exits: nothing is written over it.
    app.host.files.files[kSettingsFile].locked = true;
    app.Key(0x1B);
    EXPECT_EQ(BytesOf(app.host.files, kSettingsFile), HandWrittenSettings(kOldSound, 300, 200));
    ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(app.host.messageBoxes.shown[0].text.rfind(kSavingError, 0), 0u);

    App again({}, [](HeadlessHost& machine) {
        machine.files.AddFile(kSettingsFile, HandWrittenSettings(kOldSound, 300, 200));
        machine.files.AddFile(kOldSound, "");
    });
    again.Running();
    DragWindow(again, 640, 360);
    again.host.files.files.erase(kSettingsFile);
    again.Key(0x1B);
    EXPECT_EQ(BytesOf(again.host.files, kSettingsFile), WrittenSettings(kOldSound, 640, 360));
}

// A file another program had locked at start was never read: its sound line is not this
// copy's to change.
TEST(SettingsSoundLine, ASoundLineThatWasNeverReadSurvivesAMove) {
    App app({}, [](HeadlessHost& machine) {
        machine.files.AddFile(kSettingsFile, HandWrittenSettings(kOldSound, 300, 200)).locked =
            true;
        machine.files.AddFile(kOldSound, "");
    });
    app.Running();
    EXPECT_EQ(app.f().settings().StoredSound(), "");
    app.host.files.files[kSettingsFile].locked = false;
    DragWindow(app, 640, 360);
    app.Key(0x1B);
    EXPECT_EQ(BytesOf(app.host.files, kSettingsFile), WrittenSettings(kOldSound, 640, 360));
}

TEST(SettingsSoundLine, ASoundThatFailedToOpenIsNeverWritten) {
    const std::string kNotASound = "C:\\Musik\\Liste.mp3";
    const struct {
        const char* name;
        bool byDialog;
        bool moved;
    } cases[] = {
        {"dropped", false, false},
        {"chosen in the dialog", true, false},
        {"dropped, then the window moved", false, true},
        {"chosen in the dialog, then the window moved", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app({}, [&](HeadlessHost& machine) {
            machine.files.AddFile(kSettingsFile, HandWrittenSettings(kOldSound, 300, 200));
            machine.files.AddFile(kOldSound, "");
            machine.files.AddFile(kNotASound, "");
            machine.mediaPlayer.openFailures[kNotASound] = 277;
        });
        app.Running();
        if (c.byDialog) {
            ChooseInDialog(app, kNotASound);
        } else {
            Dispatch([&] { app.f().sound().WMDropFiles(&app.f(), {kNotASound}); });
        }
        ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u) << "the device refused it";
        if (c.moved) {
            DragWindow(app, 640, 360);
        }
        app.Key(0x1B);
        EXPECT_EQ(BytesOf(app.host.files, kSettingsFile),
                  c.moved ? WrittenSettings(kOldSound, 640, 360)
                          : HandWrittenSettings(kOldSound, 300, 200));
        EXPECT_EQ(app.host.messageBoxes.shown.size(), 1u);
    }
}

// A leftover of an earlier write, read-only at that, is none of this write's business.
TEST_F(SettingsFile, ALeftoverTemporaryFileIsLeftAloneAndTheFileWrittenAsUsual) {
    disk().AddFile(kSettingsFile, HandWrittenSettings("C:\\before.mp3", 300, 200));
    disk().AddFile(kLeftoverFile, "left over").readOnly = true;
    Drag(640, 360);
    app.Key(0x1B);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    EXPECT_EQ(BytesOf(disk(), kSettingsFile), WrittenSettings("C:\\before.mp3", 640, 360));
    EXPECT_FALSE(disk().files[kSettingsFile].readOnly);
    EXPECT_EQ(BytesOf(disk(), kLeftoverFile), "left over");
    EXPECT_EQ(FilesIn(disk(), kUserFolder),
              (std::vector<std::string>{kSettingsFile, kLeftoverFile}));
}

TEST_F(SettingsFile, AFailedWriteNamesTheSettingsFileInItsBox) {
    disk().AddFile(kSettingsFile, HandWrittenSettings("C:\\before.mp3", 300, 200));
    const struct {
        const char* name;
        FileStep step;
        std::string what;
    } cases[] = {
        {"creating the new file", FileStep::Create, "ist nicht verfügbar"},
        {"writing it", FileStep::Write, "ist nicht verfügbar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        app.host.messageBoxes.shown.clear();
        disk().failing = {c.step};
        Drag(640 + static_cast<int>(c.step), 360);
        app.f().settings().saveMP3();
        ASSERT_EQ(app.host.messageBoxes.shown.size(), 1u);
        EXPECT_EQ(app.host.messageBoxes.shown[0].text,
                  kSavingError + "Die Datei \"" + kSettingsFile + "\" " + c.what +
                      ": Eingespeister Fehler beim Schritt " + ToString(c.step) + ". (EFileError)");
        // The running countdown keeps its record beside the settings.
        EXPECT_EQ(FilesBesideTheCountdownRecord(disk(), kUserFolder),
                  std::vector<std::string>{kSettingsFile});
    }
}

} // namespace
} // namespace vorlane::testing
