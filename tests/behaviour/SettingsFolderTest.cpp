// Where the settings file is looked for and made, the import of the former version's file,
// and the menu command that shows the file.
#include "SettingsDisk.h"

#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

using headless::FileStep;
using headless::HeadlessHost;

const std::string kFormer = kProgramFolder + "Quenby.ini";
const std::string kSetAside = kProgramFolder + "~deprecated~Quenby.ini";
const std::string kLoadingError =
    "Ein unbekannte Fehler ist aufgetreten bei Laden der ini Datei:\r\n";
const std::string kSavingError =
    "Es ist ein Fehler beim Speichern der Einstellungen aufgetreten:\r\n";

std::vector<std::string> BoxTexts(App& app) {
    std::vector<std::string> texts;
    for (const auto& box : app.host.messageBoxes.shown) {
        EXPECT_EQ(box.caption, "Fehler");
        texts.push_back(box.text);
    }
    return texts;
}

TEST(SettingsFolder, AnExistingFileIsUsedWhereItIsFoundTheProgramFolderFirst) {
    const struct {
        const char* name;
        bool inProgramFolder;
        bool inUserFolder;
        std::vector<std::string> arguments;
        std::string expectedFolder;
    } cases[] = {
        {"both", true, true, {}, kProgramFolder},
        {"both, -p", true, true, {"-p"}, kProgramFolder},
        {"program folder only", true, false, {}, kProgramFolder},
        {"user folder only", false, true, {}, kUserFolder},
        {"user folder only, -p", false, true, {"-p"}, kUserFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string programFile = HandWrittenSettings("C:\\program.mp3", 100, 200);
        const std::string userFile = HandWrittenSettings("C:\\user.mp3", 300, 400);
        App app(c.arguments, [&](HeadlessHost& machine) {
            if (c.inProgramFolder) {
                machine.files.AddFile(kProgramFolder + "Vorlane.ini", programFile);
            }
            if (c.inUserFolder) {
                machine.files.AddFile(kUserFolder + "Vorlane.ini", userFile);
            }
        });
        const bool fromProgramFolder = c.expectedFolder == kProgramFolder;
        EXPECT_EQ(app.f().settings().ConfigDir(), c.expectedFolder);
        EXPECT_EQ(app.host.files.currentFolder, c.expectedFolder);
        EXPECT_EQ(app.f().settings().StoredSound(),
                  fromProgramFolder ? "C:\\program.mp3" : "C:\\user.mp3");
        EXPECT_EQ(app.f().Left(), fromProgramFolder ? 100 : 300);
        EXPECT_EQ(app.f().Top(), fromProgramFolder ? 200 : 400);
        EXPECT_FALSE(app.StartUpEndsWithTheInfoDialog());
        // Found files are read, not rewritten.
        if (c.inProgramFolder) {
            EXPECT_EQ(BytesOf(app.host.files, kProgramFolder + "Vorlane.ini"), programFile);
        }
        if (c.inUserFolder) {
            EXPECT_EQ(BytesOf(app.host.files, kUserFolder + "Vorlane.ini"), userFile);
        }
        EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    }
}

TEST(SettingsFolder, NoSettingsAnywhereIsAFirstRunThatMakesTheUserFolderWithItsParents) {
    App app({}, [](HeadlessHost& machine) {
        machine.files.appDataFolder = "C:\\Users\\Ben\\AppData\\Roaming";
    });
    const std::string folder = "C:\\Users\\Ben\\AppData\\Roaming\\Vorlane\\";
    for (const char* level : {"C:\\Users\\Ben", "C:\\Users\\Ben\\AppData",
                              "C:\\Users\\Ben\\AppData\\Roaming", folder.c_str()}) {
        EXPECT_TRUE(app.host.files.FolderExists(level)) << level;
    }
    EXPECT_EQ(app.f().settings().ConfigDir(), folder);
    EXPECT_EQ(app.host.files.currentFolder, folder);
    // First run: placed by the first-run rule and written at once.
    EXPECT_TRUE(app.StartUpEndsWithTheInfoDialog());
    EXPECT_EQ(app.f().Left(), 1234);
    EXPECT_EQ(app.f().Top(), 421);
    EXPECT_EQ(BytesOf(app.host.files, folder + "Vorlane.ini"), WrittenSettings("", 1234, 421));
    EXPECT_FALSE(app.f().settings().Changed());
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

TEST(SettingsFolder, TheUserFolderIsAbsoluteAndOnAMappedDriveUniversal) {
    const struct {
        const char* name;
        std::string appData;
        std::string expectedFolder;
    } cases[] = {
        {"mapped drive", "M:\\Profiles\\Anna", "\\\\files\\home\\Profiles\\Anna\\Vorlane\\"},
        {"no application-data folder: the root of the current drive", "", "D:\\Vorlane\\"},
        {"a trailing backslash already there", "D:\\Roaming\\", "D:\\Roaming\\Vorlane\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app({}, [&](HeadlessHost& machine) {
            machine.files.AddFolder("D:\\Work");
            machine.files.AddFolder("\\\\files\\home");
            machine.files.mappedDrives["M:"] = "\\\\files\\home";
            machine.files.currentFolder = "D:\\Work\\";
            machine.files.appDataFolder = c.appData;
        });
        EXPECT_EQ(app.f().settings().ConfigDir(), c.expectedFolder);
        EXPECT_EQ(BytesOf(app.host.files, c.expectedFolder + "Vorlane.ini"),
                  WrittenSettings("", 1234, 421));
    }
}

TEST(SettingsFolder, TheFormerFileIsImportedSetAsideAndItsSettingsWrittenAtOnce) {
    const struct {
        const char* name;
        std::vector<std::string> arguments;
        std::string expectedFolder;
    } cases[] = {
        {"-p: beside the program", {"-p"}, kProgramFolder},
        {"in a new user folder", {}, "C:\\Users\\Ben\\AppData\\Roaming\\Vorlane\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string former = "C:\\Sounds\\gong.mp3\r\n500\r\n300\r\n";
        App app(c.arguments, [&](HeadlessHost& machine) {
            machine.files.appDataFolder = "C:\\Users\\Ben\\AppData\\Roaming";
            machine.files.AddFile(kFormer, former);
            machine.files.AddFile("C:\\Sounds\\gong.mp3", "");
        });
        EXPECT_EQ(app.f().settings().ConfigDir(), c.expectedFolder);
        EXPECT_EQ(app.host.files.currentFolder, c.expectedFolder);
        // Read, then set aside under its new name.
        EXPECT_FALSE(app.host.files.FileExists(kFormer));
        EXPECT_EQ(BytesOf(app.host.files, kSetAside), former);
        EXPECT_EQ(app.f().Left(), 500);
        EXPECT_EQ(app.f().Top(), 300);
        // The sound file is carried over together with the window's place.
        EXPECT_EQ(app.f().settings().StoredSound(), "C:\\Sounds\\gong.mp3");
        EXPECT_EQ(BytesOf(app.host.files, c.expectedFolder + "Vorlane.ini"),
                  WrittenSettings("C:\\Sounds\\gong.mp3", 500, 300));
        EXPECT_FALSE(app.f().settings().Changed());
        // Not a first run.
        EXPECT_FALSE(app.StartUpEndsWithTheInfoDialog());
        EXPECT_TRUE(app.host.messageBoxes.shown.empty());
    }
    App beside({"-p"}, [](HeadlessHost& machine) {
        machine.files.appDataFolder = "C:\\Users\\Ben\\AppData\\Roaming";
        machine.files.AddFile(kFormer, "x\r\n1\r\n2\r\n");
    });
    EXPECT_FALSE(beside.host.files.FolderExists("C:\\Users\\Ben\\AppData\\Roaming\\Vorlane"))
        << "with -p the user folder is not made";
}

// The former file's sound is carried over only when the device opens it, so a sound that
// fails greets only this start with its error, not every later one.
TEST(SettingsFolder, AFormerSoundThatDoesNotOpenIsNotCarriedOver) {
    const struct {
        const char* name;
        bool exists;
        std::size_t boxes;
    } cases[] = {{"the device refuses it", true, 1}, {"it is gone", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app({}, [&](HeadlessHost& machine) {
            machine.files.AddFile(kFormer, "C:\\Sounds\\Liste.mp3\r\n500\r\n300\r\n");
            if (c.exists) {
                machine.files.AddFile("C:\\Sounds\\Liste.mp3", "");
            }
            machine.mediaPlayer.openFailures["C:\\Sounds\\Liste.mp3"] = 277;
        });
        EXPECT_EQ(BytesOf(app.host.files, kUserFolder + "Vorlane.ini"),
                  WrittenSettings("", 500, 300));
        EXPECT_EQ(app.host.messageBoxes.shown.size(), c.boxes);
        EXPECT_FALSE(app.f().sound().Loaded());
    }
}

TEST(SettingsFolder, AFormerFileThatCannotBeSetAsideIsStillImportedOnlyOnce) {
    const struct {
        const char* name;
        std::function<void(headless::InMemoryFiles&)> prepare;
    } cases[] = {
        {"the new name is taken",
         [](headless::InMemoryFiles& disk) { disk.AddFile(kSetAside, "older\r\n1\r\n2\r\n"); }},
        {"the rename fails",
         [](headless::InMemoryFiles& disk) { disk.failing.insert(FileStep::Rename); }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App first({}, [&](HeadlessHost& machine) {
            machine.files.AddFile(kFormer, "C:\\gong.mp3\r\n500\r\n300\r\n");
            machine.files.AddFile("C:\\gong.mp3", "");
            c.prepare(machine.files);
        });
        EXPECT_TRUE(first.host.files.FileExists(kFormer));
        EXPECT_FALSE(first.StartUpEndsWithTheInfoDialog());
        EXPECT_EQ(BytesOf(first.host.files, kUserFolder + "Vorlane.ini"),
                  WrittenSettings("C:\\gong.mp3", 500, 300));
        EXPECT_TRUE(first.host.messageBoxes.shown.empty());

        // The next start finds the new file and leaves the old one alone.
        App next({}, [&](HeadlessHost& machine) {
            machine.files = first.host.files;
            machine.files.failing.clear();
            machine.files.files[kFormer].bytes = "C:\\other.mp3\r\n9\r\n9\r\n";
        });
        EXPECT_EQ(next.f().settings().StoredSound(), "C:\\gong.mp3");
        EXPECT_EQ(next.f().Left(), 500);
        EXPECT_TRUE(next.host.files.FileExists(kFormer));
    }
}

TEST(SettingsFolder, AMalformedFormerFileStillCountsAsImported) {
    App app({}, [](HeadlessHost& machine) {
        machine.files.AddFile(kFormer, "C:\\only.mp3");
        machine.files.AddFile("C:\\only.mp3", "");
    });
    EXPECT_EQ(app.f().settings().StoredSound(), "C:\\only.mp3");
    EXPECT_FALSE(app.StartUpEndsWithTheInfoDialog());
    EXPECT_TRUE(app.host.files.FileExists(kSetAside));
    // The window kept its place, and that is what was written.
    EXPECT_EQ(BytesOf(app.host.files, kUserFolder + "Vorlane.ini"),
              WrittenSettings("C:\\only.mp3", app.f().Left(), app.f().Top()));
}

TEST(SettingsFolder, ARejectedUserFolderShowsTheLoadingErrorAndStartsAsAFirstRun) {
    const struct {
        const char* name;
        std::string appData;
    } cases[] = {
        {"invalid characters", "C:\\Users\\An|na"},
        {"a drive that does not exist", "Q:\\Roaming"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        App app({}, [&](HeadlessHost& machine) { machine.files.appDataFolder = c.appData; });
        const std::string folder = c.appData + "\\Vorlane\\";
        const std::vector<std::string> texts = BoxTexts(app);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0], kLoadingError + folder + "Vorlane.ini");
        // The first run's write into the folder that could not be made fails in its turn.
        EXPECT_EQ(texts[1].rfind(kSavingError, 0), 0u) << texts[1];
        EXPECT_TRUE(app.StartUpEndsWithTheInfoDialog());
        EXPECT_EQ(app.f().Left(), 1234);
        EXPECT_FALSE(app.f().settings().Changed());
    }
}

TEST(SettingsFolder, AUserFolderThatMayNotBeMadeIsReportedOnlyByTheWrite) {
    App app({}, [](HeadlessHost& machine) {
        machine.files.deniedFolders.insert("C:\\Users\\Anna\\AppData\\Roaming");
    });
    EXPECT_EQ(app.f().settings().ConfigDir(), kUserFolder);
    EXPECT_FALSE(app.host.files.FolderExists(kUserFolder));
    EXPECT_EQ(app.host.files.currentFolder, "C:\\Windows\\System32\\") << "left as it was";
    const std::vector<std::string> texts = BoxTexts(app);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], kSavingError + "Die Datei \"" + kUserFolder +
                            "Vorlane.ini\" kann nicht erstellt werden: Der Pfad wurde nicht "
                            "gefunden. (EFileError)");
    EXPECT_TRUE(app.StartUpEndsWithTheInfoDialog());
}

TEST(SettingsFolder, TheMenuShowsTheSettingsFileSelectedInTheFileManager) {
    App app;
    app.Running();
    app.application().choose = "mnuOpenConfigFolderHere";
    Dispatch([&] { app.f().TrayIcon.ContextMenu(0, 0); });
    ASSERT_EQ(app.host.shell.opened.size(), 1u);
    EXPECT_EQ(app.host.shell.opened[0].file, "explorer.exe");
    EXPECT_EQ(app.host.shell.opened[0].parameters,
              "/select,\"C:\\Users\\Anna\\AppData\\Roaming\\Vorlane\\Vorlane.ini\"");
    // When the shell refuses, nothing is said.
    app.host.shell.accepts = false;
    app.application().choose = "mnuOpenConfigFolderHere";
    Dispatch([&] { app.f().TrayIcon.ContextMenu(0, 0); });
    EXPECT_EQ(app.host.shell.opened.size(), 2u);
    EXPECT_TRUE(app.host.messageBoxes.shown.empty());
}

} // namespace
} // namespace vorlane::testing
