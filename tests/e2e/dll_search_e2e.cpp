// End-to-end test that the program takes the system's DLLs from the system folder only: a DLL
// of a system DLL's name lying beside the program is never loaded in its place, also where the
// loader is told to prefer such a DLL (under Wine: the DLL override "native, builtin").
#include "driver.h"

#include "tests/support/SoundFiles.h"
#include "tests/support/WineHost.h"

#include <oleacc.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

using testsupport::EnvW;

constexpr milliseconds kStartTimeout(10000);

// Sets an environment variable of this process for as long as it lives (a program started
// meanwhile inherits it), then gives it back its earlier value.
class EnvironmentChange {
public:
    EnvironmentChange(const wchar_t* name, const std::wstring& value)
        : name_(name), earlier_(EnvW(name)) {
        SetEnvironmentVariableW(name, value.c_str());
    }
    ~EnvironmentChange() {
        SetEnvironmentVariableW(name_, earlier_.empty() ? nullptr : earlier_.c_str());
    }
    EnvironmentChange(const EnvironmentChange&) = delete;
    EnvironmentChange& operator=(const EnvironmentChange&) = delete;

private:
    const wchar_t* name_;
    std::wstring earlier_;
};

// Tells Wine, for as long as it lives, to load these DLLs into every Vorlane.exe from the first
// file of their name the search finds, before its own ("native, builtin"). The same as
// WINEDLLOVERRIDES="NAME=n,b", which Wine reads from the environment a process starts with on
// the Unix side: a program started from here would not see it.
class NativeDllsFirst {
public:
    explicit NativeDllsFirst(std::vector<std::wstring> names) : names_(std::move(names)) {
        if (!Create(kProgramKey, program_) || !Create(kOverridesKey, overrides_)) {
            return;
        }
        for (const std::wstring& name : names_) {
            static constexpr wchar_t kOrder[] = L"native,builtin";
            RegSetValueExW(overrides_.key, name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(kOrder), sizeof kOrder);
        }
    }
    ~NativeDllsFirst() {
        if (overrides_.key != nullptr) {
            for (const std::wstring& name : names_) {
                RegDeleteValueW(overrides_.key, name.c_str());
            }
        }
        Remove(kOverridesKey, overrides_);
        Remove(kProgramKey, program_);
    }
    NativeDllsFirst(const NativeDllsFirst&) = delete;
    NativeDllsFirst& operator=(const NativeDllsFirst&) = delete;

    bool Set() const { return overrides_.key != nullptr; }

private:
    struct Key {
        HKEY key = nullptr;
        bool created = false; // removed again afterwards
    };
    static constexpr wchar_t kProgramKey[] = L"Software\\Wine\\AppDefaults\\Vorlane.exe";
    static constexpr wchar_t kOverridesKey[] =
        L"Software\\Wine\\AppDefaults\\Vorlane.exe\\DllOverrides";

    static bool Create(const wchar_t* path, Key& key) {
        DWORD disposition = 0;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key.key, &disposition) != ERROR_SUCCESS) {
            key.key = nullptr;
            return false;
        }
        key.created = disposition == REG_CREATED_NEW_KEY;
        return true;
    }
    static void Remove(const wchar_t* path, Key& key) {
        if (key.key == nullptr) {
            return;
        }
        RegCloseKey(key.key);
        if (key.created) {
            RegDeleteKeyW(HKEY_CURRENT_USER, path);
        }
    }

    std::vector<std::wstring> names_;
    Key program_;
    Key overrides_;
};

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

// The full path of the module of that file name loaded in process pid; nullopt when none is.
std::optional<std::filesystem::path> LoadedModule(DWORD pid, const std::wstring& name) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr) {
        return std::nullopt;
    }
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    std::optional<std::filesystem::path> found;
    if (K32EnumProcessModulesEx(process, modules.data(),
                                static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed,
                                LIST_MODULES_ALL)) {
        modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
        for (HMODULE module : modules) {
            wchar_t path[MAX_PATH] = {};
            if (K32GetModuleFileNameExW(process, module, path, MAX_PATH) > 0 &&
                Lower(std::filesystem::path(path).filename().wstring()) == Lower(name)) {
                found = std::filesystem::path(path);
                break;
            }
        }
    }
    CloseHandle(process);
    return found;
}

// The process the program started that has the sound devices (winmm) loaded; 0 when none.
DWORD SoundHelperOf(DWORD program) {
    for (DWORD child : ChildProcessesOf(program)) {
        if (LoadedModule(child, L"winmm.dll")) {
            return child;
        }
    }
    return 0;
}

std::filesystem::path SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return folder;
}

// A screen reader in another process asks for the window's accessible object; the program
// answers it through oleacc.
HRESULT AskForTheAccessibleObject(HWND main) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    const HRESULT result =
        AccessibleObjectFromWindow(main, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
    if (object != nullptr) {
        object->Release();
    }
    CoUninitialize();
    return result;
}

// A copy of the program in a folder of its own, with a DLL named like winmm.dll (the sound
// devices) and one named like oleacc.dll (screen readers) beside it, each of which leaves a
// file NAME.loaded when loaded, and Wine told to prefer such a DLL to its own. The program
// plays a sound (winmm, in its sound helper, the copy started again) and answers a screen
// reader (oleacc): both must come from the system folder, and no marker may appear.
TEST(DllSearchTest, DllsBesideTheProgramAreNotLoadedInPlaceOfTheSystemOnes) {
    if (!testsupport::RunningUnderWine()) {
        GTEST_SKIP() << "the sound is chosen by writing the user's settings file before the "
                        "start: only under Wine, whose prefix the test session throws away";
    }
    const std::wstring markerDll = testsupport::ToWindowsPath(EnvW(L"VORLANE_MARKER_DLL"));
    ASSERT_FALSE(markerDll.empty()) << "VORLANE_MARKER_DLL is not set";
    const std::wstring folder = testsupport::FreshTemporaryFolder(L"vorlane-e2e-dll-search");
    const std::vector<std::wstring> systemDlls{L"winmm.dll", L"oleacc.dll"};
    std::filesystem::copy_file(VorlaneExePath(), folder + L"Vorlane.exe");
    for (const std::wstring& dll : systemDlls) {
        std::filesystem::copy_file(markerDll, folder + dll);
    }
    const std::wstring sound = folder + L"Wecker.wav";
    ASSERT_TRUE(testsupport::WriteBytes(sound, testsupport::WaveSound(20.0)));
    std::filesystem::create_directories(UserSettingsFile().parent_path());
    const std::string settings = "\xEF\xBB\xBF" + Narrow(sound) + "\r\n1234\r\n421\r\n";
    ASSERT_TRUE(testsupport::WriteBytes(UserSettingsFile(),
                                        testsupport::Bytes(settings.begin(), settings.end())));

    const NativeDllsFirst nativeFirst({L"winmm", L"oleacc"});
    ASSERT_TRUE(nativeFirst.Set());
    std::optional<VorlaneProcess> app;
    {
        const EnvironmentChange exe(L"VORLANE_EXE", folder + L"Vorlane.exe");
        app.emplace(L"-t30", Settings::Kept);
    }
    ASSERT_TRUE(app->Started()) << Narrow(app->StartError());
    // Expected, not asserted: a program that loaded a stand-in (which has none of the functions
    // it calls) may end early, and the markers are checked all the same.
    HWND main = app->WaitForMainWindow(kStartTimeout);
    EXPECT_NE(main, nullptr);
    if (main != nullptr) {
        EXPECT_TRUE(WaitUntil([&] { return FieldText(main, kIdSecondTextLine) == L" Wecker.wav"; },
                              milliseconds(2000)))
            << "the sound-name line shows " << FieldUtf8(main, kIdSecondTextLine);
        EXPECT_EQ(AskForTheAccessibleObject(main), S_OK);
        PressKey(main, VK_SPACE); // plays the chosen sound, in the program's sound helper
        WaitUntil([&] { return SoundHelperOf(app->Pid()) != 0 || app->HasExited(); },
                  milliseconds(5000));
    }
    EXPECT_FALSE(app->HasExited()) << "the program runs on";
    // The sound devices are loaded by the program's sound helper, the copy started again.
    const DWORD helper = SoundHelperOf(app->Pid());
    EXPECT_NE(helper, 0u) << "no helper plays the sound";
    for (const std::wstring& dll : systemDlls) {
        EXPECT_FALSE(std::filesystem::exists(folder + dll + L".loaded"))
            << Narrow(dll) << " beside the program was loaded";
        const auto loaded = LoadedModule(dll == L"winmm.dll" ? helper : app->Pid(), dll);
        EXPECT_TRUE(loaded &&
                    Lower(loaded->parent_path().wstring()) == Lower(SystemFolder().wstring()))
            << Narrow(dll) << " loaded from "
            << (loaded ? Narrow(loaded->wstring()) : std::string("nowhere"));
    }
}

} // namespace
} // namespace vorlane::e2e
