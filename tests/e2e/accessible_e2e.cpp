// The real Vorlane.exe seen by a screen reader in another process: the accessible object of
// the main window's client area, its parts, their actions and hit test, and the WinEvents
// the window raises.
#include "ProgramTest.h"

#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/ControlIds.h"

namespace vorlane::e2e {
namespace {

// __uuidof, not IID_IAccessible: MinGW's oleacc import library has that name as a call thunk
// of the DLL's export, and a program linked with it asks for an interface id made of the
// thunk's bytes, which every object answers with E_NOINTERFACE.
const IID kIAccessible = __uuidof(IAccessible);

// The button hints the parts are named by (the run-time texts).
const std::wstring kPlusFive = L"\"Countdown\" um fünf Minuten verlängern";
const std::wstring kPlay = L"Hier klicken, um die ausgewählte Datei zu starten";
// The play picture's rectangle in the window.
constexpr RECT kPlayPicture{70, 165, 102, 221};

VARIANT Child(long id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

class Reader {
public:
    explicit Reader(HWND window) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        result = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                            reinterpret_cast<void**>(&object));
    }
    ~Reader() {
        if (object != nullptr) {
            object->Release();
        }
        CoUninitialize();
    }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    long Count() {
        long count = -1;
        object->get_accChildCount(&count);
        return count;
    }
    std::wstring Name(long id) { return Text(id, &IAccessible::get_accName); }
    std::wstring Description(long id) { return Text(id, &IAccessible::get_accDescription); }
    // One of the object's texts of a part; empty where it has none.
    std::wstring Text(long id, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        BSTR text = nullptr;
        (object->*get)(Child(id), &text);
        std::wstring read = text != nullptr ? text : L"";
        SysFreeString(text);
        return read;
    }
    long Role(long id) {
        VARIANT role;
        role.vt = VT_EMPTY;
        object->get_accRole(Child(id), &role);
        return role.vt == VT_I4 ? role.lVal : -1;
    }
    long State(long id) {
        VARIANT state;
        state.vt = VT_EMPTY;
        object->get_accState(Child(id), &state);
        return state.vt == VT_I4 ? state.lVal : -1;
    }
    std::optional<long> Find(const std::wstring& name) {
        for (long id = 1; id <= Count(); ++id) {
            if (Name(id) == name) {
                return id;
            }
        }
        return std::nullopt;
    }
    // One line per part: role, name, states, place on the screen.
    std::string Tree() {
        std::string tree;
        for (long id = 1; id <= Count(); ++id) {
            wchar_t role[64] = L"";
            GetRoleTextW(static_cast<DWORD>(Role(id)), role, 64);
            long left = 0, top = 0, width = 0, height = 0;
            object->accLocation(&left, &top, &width, &height, Child(id));
            const long state = State(id);
            tree += std::to_string(id) + " " + Narrow(role) + " \"" + Narrow(Name(id)) + "\"" +
                    ((state & STATE_SYSTEM_PRESSED) != 0 ? " pressed" : "") +
                    ((state & STATE_SYSTEM_FOCUSABLE) != 0 ? " focusable" : "") + " at " +
                    std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) +
                    "x" + std::to_string(height) + "\n";
        }
        return tree;
    }

    HRESULT result = E_FAIL;
    IAccessible* object = nullptr;
};

class AccessibleTest : public ProgramTest {
protected:
    // Started and counting: the minutes field shows the first step down from `minutes`.
    HWND StartCounting(const std::wstring& args, const std::wstring& firstMinutes) {
        HWND main = Start(args);
        if (main == nullptr) {
            return nullptr;
        }
        const bool counting = WaitUntil(
            [&] { return FieldText(main, kIdTimeMinutes) == firstMinutes; }, milliseconds(3000));
        EXPECT_TRUE(counting) << "the countdown did not make its first step";
        return counting ? main : nullptr;
    }
};

TEST_F(AccessibleTest, AReaderInAnotherProcessFindsEveryPart) {
    HWND main = StartCounting(L"-t30", L"29");
    ASSERT_NE(main, nullptr);
    Reader reader(main);
    ASSERT_EQ(reader.result, S_OK);
    const std::string tree = reader.Tree();
    std::printf("The main window's parts as a reader finds them:\n%s", tree.c_str());

    const struct {
        std::wstring name;
        long role;
    } expected[] = {
        {L"Minimize", ROLE_SYSTEM_PUSHBUTTON},
        {L"Exit", ROLE_SYSTEM_PUSHBUTTON},
        {L"Verbleibende Zeit 30:00", ROLE_SYSTEM_STATICTEXT},
        {L"MP3 auswählen", ROLE_SYSTEM_LINK},
        {L"Hier klicken, um ein MP3 Stück auszuwählen!", ROLE_SYSTEM_PUSHBUTTON},
        {L"Zeit direkt auswählen", ROLE_SYSTEM_PUSHBUTTON},
        {L"Info", ROLE_SYSTEM_PUSHBUTTON},
        {L"Hier klicken, um die ausgewählte Datei zu unterbrechen", ROLE_SYSTEM_PUSHBUTTON},
        {L"Hier klicken, um die ausgewählte Datei zu stoppen", ROLE_SYSTEM_PUSHBUTTON},
        {L"\"Countdown\" um fünf Minuten verringern", ROLE_SYSTEM_PUSHBUTTON},
        {kPlusFive, ROLE_SYSTEM_PUSHBUTTON},
        {kPlay, ROLE_SYSTEM_PUSHBUTTON},
        {L"\"Countdown\" eine Minute verringern", ROLE_SYSTEM_PUSHBUTTON},
        {L"\"Countdown\" eine Minute verlängern", ROLE_SYSTEM_PUSHBUTTON},
    };
    ASSERT_EQ(reader.Count(), static_cast<long>(std::size(expected))) << tree;
    for (long id = 1; id <= reader.Count(); ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(Narrow(reader.Name(id)), Narrow(expected[id - 1].name));
        EXPECT_EQ(reader.Role(id), expected[id - 1].role);
    }
    // The window itself is the system's client object.
    EXPECT_EQ(reader.Role(CHILDID_SELF), ROLE_SYSTEM_CLIENT);
    IDispatch* parent = nullptr;
    EXPECT_EQ(reader.object->get_accParent(&parent), S_OK);
    EXPECT_NE(parent, nullptr);
    if (parent != nullptr) {
        parent->Release();
    }
}

TEST_F(AccessibleTest, TheDefaultActionOfPlusFiveAddsFiveMinutes) {
    HWND main = StartCounting(L"-t30", L"29");
    ASSERT_NE(main, nullptr);
    Reader reader(main);
    ASSERT_EQ(reader.result, S_OK);
    const std::optional<long> plusFive = reader.Find(kPlusFive);
    ASSERT_TRUE(plusFive);
    BSTR action = nullptr;
    ASSERT_EQ(reader.object->get_accDefaultAction(Child(*plusFive), &action), S_OK);
    EXPECT_EQ(Narrow(action != nullptr ? action : L""), "Drücken");
    SysFreeString(action);
    ASSERT_EQ(reader.object->accDoDefaultAction(Child(*plusFive)), S_OK);
    EXPECT_TRUE(
        WaitUntil([&] { return FieldText(main, kIdTimeMinutes) == L"34"; }, milliseconds(2000)))
        << "minutes: " << FieldUtf8(main, kIdTimeMinutes);
    EXPECT_TRUE(reader.Find(L"Verbleibende Zeit 35:00")) << reader.Tree();
}

TEST_F(AccessibleTest, HitTestAtThePlayButtonsCentreFindsIt) {
    HWND main = StartCounting(L"-t30", L"29");
    ASSERT_NE(main, nullptr);
    Reader reader(main);
    ASSERT_EQ(reader.result, S_OK);
    POINT centre{(kPlayPicture.left + kPlayPicture.right) / 2,
                 (kPlayPicture.top + kPlayPicture.bottom) / 2};
    ClientToScreen(main, &centre);
    VARIANT hit;
    hit.vt = VT_EMPTY;
    ASSERT_EQ(reader.object->accHitTest(centre.x, centre.y, &hit), S_OK);
    ASSERT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(Narrow(reader.Name(hit.lVal)), Narrow(kPlay));
    EXPECT_EQ(reader.Role(hit.lVal), ROLE_SYSTEM_PUSHBUTTON);
}

TEST_F(AccessibleTest, TheInfoDialogsLinksAreLinks) {
    HWND main = StartCounting(L"-t30", L"29");
    ASSERT_NE(main, nullptr);
    PressKey(main, VK_F1);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (dialog = FindVisibleWindowOf(app_->Pid(), L"TShowInfoDialog")) != nullptr; },
        milliseconds(3000)));
    Reader reader(dialog);
    ASSERT_EQ(reader.result, S_OK);
    std::vector<std::string> links;
    for (long id = 1; id <= reader.Count(); ++id) {
        if (reader.Role(id) == ROLE_SYSTEM_LINK) {
            links.push_back(Narrow(reader.Name(id)));
        }
    }
    EXPECT_EQ(links, (std::vector<std::string>{"www.vorlane-de.example", "www.ardeway-de.example"}))
        << reader.Tree();
    EXPECT_GT(reader.Count(), 10) << "the dialog's texts are there too";
}

// What an out-of-context WinEvent hook saw, as a reader's hook sees it.
struct SeenEvent {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};
std::vector<SeenEvent> g_seen;

void CALLBACK Saw(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    g_seen.push_back({event, window, object, child});
}

// Delivers the hook's events (they come through this thread's messages) until one of the
// kind arrives from the window's client area, or the time is up.
std::optional<SeenEvent> WaitForEvent(DWORD event, HWND window, milliseconds timeout) {
    std::optional<SeenEvent> found;
    WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            for (const SeenEvent& seen : g_seen) {
                if (seen.event == event && seen.window == window && seen.object == OBJID_CLIENT) {
                    found = seen;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

class WinEventTest : public AccessibleTest {
protected:
    void SetUp() override {
        g_seen.clear();
        hook_ = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, Saw, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
        ASSERT_NE(hook_, nullptr);
    }
    void TearDown() override { UnhookWinEvent(hook_); }
    HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(WinEventTest, TheAlarmRaisesAnAlertAboutTheTime) {
    HWND main = Start(L"-t0");
    ASSERT_NE(main, nullptr);
    const std::optional<SeenEvent> alert =
        WaitForEvent(EVENT_SYSTEM_ALERT, main, milliseconds(5000));
    ASSERT_TRUE(alert) << "no alert from the main window";
    Reader reader(main);
    ASSERT_EQ(reader.result, S_OK);
    EXPECT_EQ(Narrow(reader.Name(alert->child)), "Verbleibende Zeit 00:00");
    EXPECT_EQ(Narrow(reader.Description(alert->child)), "Die Zeit ist um.");
}

TEST_F(WinEventTest, TheTimesNameChangeIsToldInTheLastMinute) {
    HWND main = Start(L"-t1");
    ASSERT_NE(main, nullptr);
    // From 01:00 to 00:59 the time's name changes with the first second.
    const std::optional<SeenEvent> change =
        WaitForEvent(EVENT_OBJECT_NAMECHANGE, main, milliseconds(5000));
    ASSERT_TRUE(change) << "no name change from the main window";
    Reader reader(main);
    ASSERT_EQ(reader.result, S_OK);
    EXPECT_EQ(Narrow(reader.Name(change->child)).substr(0, 21), "Verbleibende Zeit 00:");
}

} // namespace
} // namespace vorlane::e2e
