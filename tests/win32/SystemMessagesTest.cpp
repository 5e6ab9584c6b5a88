// What the system tells every top-level window, as the native window hands it to the form: a
// changed display or work area, a set clock, waking up, and the end of the session, where
// only the main window acts and the program ends without showing anything.
#include "Win32Fixture.h"
#include "tests/platform/CaughtErrors.h"

#include "platform/Dispatch.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

struct SystemMessage {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // The form's events it raises, in order.
    std::string raised;
    // What the window answers, where the system reads the answer.
    LRESULT answer;
};

const SystemMessage kSystemMessages[] = {
    {"DisplayChange", WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768), "display ", 0},
    {"WorkAreaChange", WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, "display ", 0},
    {"WallpaperChange", WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, 0, "", 0},
    {"ClockSet", WM_TIMECHANGE, 0, 0, "clock ", 0},
    {"ResumedAutomatically", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0, "resume ", TRUE},
    {"ResumedByTheUser", WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0, "resume ", TRUE},
    {"Suspending", WM_POWERBROADCAST, PBT_APMSUSPEND, 0, "", TRUE},
    {"MayTheSessionEnd", WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, "", TRUE},
    {"MayAnInstallerClose", WM_QUERYENDSESSION, 0, static_cast<LPARAM>(ENDSESSION_CLOSEAPP), "",
     TRUE},
    {"SessionEndCancelled", WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF, "", 0},
};

void PrintTo(const SystemMessage& sent, std::ostream* out) {
    *out << sent.name;
}

// The main window, its form's events writing what they are into `raised`.
class FormEvents : public Win32Window {
protected:
    void RecordEvents(TForm& target) {
        target.OnDisplayChange = [this](TComponent*) { raised += "display "; };
        target.OnClockChange = [this](TComponent*) { raised += "clock "; };
        target.OnResume = [this](TComponent*) { raised += "resume "; };
        target.OnSessionEnd = [this](TComponent*) { raised += "session-end "; };
    }

    std::string raised;
};

class SystemMessages : public FormEvents, public ::testing::WithParamInterface<SystemMessage> {};

TEST_P(SystemMessages, ReachTheFormAsItsEvents) {
    const SystemMessage& sent = GetParam();
    Pump(100);
    RecordEvents(*form);
    const LRESULT answer = SendMessageW(window, sent.message, sent.wParam, sent.lParam);
    EXPECT_EQ(raised, sent.raised);
    if (sent.answer != 0) {
        EXPECT_EQ(answer, sent.answer);
    }
    Pump(100);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(quit);
}

INSTANTIATE_TEST_SUITE_P(Sent, SystemMessages, ::testing::ValuesIn(kSystemMessages),
                         [](const auto& sent) { return std::string(sent.param.name); });

// A second form beside the main window.
class SecondForm : public TForm {
public:
    explicit SecondForm(Application& application) : TForm("TestSecondForm", application) {
        SetBounds(300, 200, 200, 100);
    }
};

struct SessionEnd {
    const char* name;
    LPARAM how;
    bool handlerFails;
};

void PrintTo(const SessionEnd& end, std::ostream* out) {
    *out << end.name;
}

const SessionEnd kSessionEnds[] = {
    {"LogOff", ENDSESSION_LOGOFF, false},
    {"AnInstallerClosesTheProgram", static_cast<LPARAM>(ENDSESSION_CLOSEAPP), false},
    {"LogOffWithAFailingHandler", ENDSESSION_LOGOFF, true},
};

class SessionEnds : public FormEvents, public ::testing::WithParamInterface<SessionEnd> {};

TEST_P(SessionEnds, OnlyTheMainWindowTellsTheFormAndThenTheProgramEndsShowingNothing) {
    const SessionEnd& end = GetParam();
    Pump(100);
    CaughtErrors errors;
    SecondForm second(host->App());
    second.CreateHandle();
    HWND secondWindow = FindWindowW(L"TTestSecondForm", nullptr);
    ASSERT_NE(secondWindow, nullptr);
    RecordEvents(second);
    RecordEvents(*form);
    if (end.handlerFails) {
        form->OnSessionEnd = [this](TComponent*) {
            raised += "session-end ";
            throw std::runtime_error("Datenträger voll");
        };
    }

    for (HWND w : {secondWindow, window}) {
        EXPECT_EQ(SendMessageW(w, WM_QUERYENDSESSION, 0, end.how), TRUE);
    }
    SendMessageW(secondWindow, WM_ENDSESSION, TRUE, end.how);
    EXPECT_EQ(raised, "") << "a form that is not the main one";
    EXPECT_TRUE(IsWindow(window));
    SendMessageW(window, WM_ENDSESSION, TRUE, end.how);
    EXPECT_EQ(raised, "session-end ");
    EXPECT_TRUE(errors.messages.empty()) << errors.messages.front();
    EXPECT_FALSE(IsWindow(window));
    Pump(100);
    EXPECT_TRUE(quit) << "the message loop goes on";
}

INSTANTIATE_TEST_SUITE_P(Ends, SessionEnds, ::testing::ValuesIn(kSessionEnds),
                         [](const auto& end) { return std::string(end.param.name); });

} // namespace
} // namespace vorlane::testing
