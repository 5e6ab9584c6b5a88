#pragma once
// The real main window in this process, created the way the program entry creates it.
#include "app/AlarmSound.h"
#include "app/ControlIds.h"
#include "app/Countdown.h"
#include "app/RunningRecord.h"
#include "app/SettingsStore.h"
#include "app/TimeDisplay.h"
#include "app/Vorlane.h"
#include "app/WindowAndTray.h"
#include "info/ShowInfoSRC.h"
#include "platform/win32/Win32Host.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace vorlane::testing {

// WM_DROPFILES with an HDROP made here, as the shell would send it.
inline void DropOn(HWND window, const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) {
        names += path;
        names += L'\0';
    }
    names += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(),
                names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

class Win32Window : public ::testing::Test {
protected:
    void SetUp() override {
        // The program works in its settings folder; every test gets the process's back.
        GetCurrentDirectoryW(MAX_PATH, startFolder_);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        host = std::make_unique<win32::Win32Host>(GetModuleHandleW(nullptr));
        info = std::make_unique<ShowInfoModule>(host->Services());
        form = CreateApplication(*host, *info);
        window = FindWindowW(L"TFormVorlane", L"Vorlane");
        // Shown as the message loop shows it; its fields are made then.
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    void TearDown() override {
        // The window is let go, not killed: no countdown is left over for the next test's
        // start, which begins as a plain one.
        form->record().RemoveAtExit();
        form.reset();
        info.reset();
        host.reset();
        CoUninitialize();
        SetCurrentDirectoryW(startFolder_);
    }

    // Delivers what is waiting, as the message loop would, for about the given time.
    void Pump(DWORD milliseconds) {
        const ULONGLONG end = GetTickCount64() + milliseconds;
        while (GetTickCount64() < end) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    quit = true;
                    continue;
                }
                // The program's own loop step: key preview and tab keys included.
                host->App().HandleMessage(message);
            }
            Sleep(5);
        }
    }

    HWND Field(int id) { return GetDlgItem(window, id); }

    std::unique_ptr<win32::Win32Host> host;
    std::unique_ptr<ShowInfoModule> info;
    std::unique_ptr<TFormVorlane> form;
    HWND window = nullptr;
    bool quit = false;

private:
    wchar_t startFolder_[MAX_PATH] = {};
};

} // namespace vorlane::testing
