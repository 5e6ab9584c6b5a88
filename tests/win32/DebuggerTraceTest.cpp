// The trace on Windows: a failure reaches a debugger as one line, and a failed system call is
// named with its error number and Windows' words for it.
#include "platform/win32/DebuggerTrace.h"
#include "platform/win32/Utf16.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

// What a debugger got while the listener was there, as UTF-8.
std::vector<std::string> debugOutput;

// A debugger is told of the output by an exception raised in the program; this handler sees
// it first and takes it, as a debugger would.
LONG CALLBACK TakeDebugOutput(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (record.NumberParameters < 2) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    const ULONG_PTR text = record.ExceptionInformation[1];
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_WIDE_C) {
        debugOutput.push_back(win32::Narrow(reinterpret_cast<const wchar_t*>(text)));
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_C) {
        debugOutput.push_back(win32::Narrow(win32::WidenAnsi(reinterpret_cast<const char*>(text))));
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

class DebugOutputListener {
public:
    DebugOutputListener() : handler_(AddVectoredExceptionHandler(1, &TakeDebugOutput)) {
        debugOutput.clear();
    }
    ~DebugOutputListener() { RemoveVectoredExceptionHandler(handler_); }
    DebugOutputListener(const DebugOutputListener&) = delete;
    DebugOutputListener& operator=(const DebugOutputListener&) = delete;

private:
    void* handler_;
};

TEST(DebuggerTrace, AFailureReachesTheDebuggerAsOneLineNamingTheProgramAndTheFunction) {
    {
        const DebugOutputListener listening;
        win32::DebuggerTrace trace;
        trace.Failure("Files::WriteReplacing",
                      "SetReadOnly: Die Datei \"C:\\Übung\\Vorlane.ini\" kann nicht geändert "
                      "werden: Zugriff verweigert.");
    }
    EXPECT_EQ(debugOutput, std::vector<std::string>{
                               "Vorlane: Files::WriteReplacing: SetReadOnly: Die Datei "
                               "\"C:\\Übung\\Vorlane.ini\" kann nicht geändert werden: Zugriff "
                               "verweigert.\n"});
}

TEST(DebuggerTrace, AFailedCallIsNamedWithItsErrorAndWindowsWordsForIt) {
    const struct {
        const char* call;
        DWORD error;
        const char* begins;
        bool words;
    } cases[] = {
        {"Shell_NotifyIconW(NIM_ADD)", ERROR_ACCESS_DENIED, "Shell_NotifyIconW(NIM_ADD): error 5",
         true},
        {"LoadIconWithScaleDown", static_cast<DWORD>(E_OUTOFMEMORY),
         "LoadIconWithScaleDown: error 0x8007000E", true},
        // An error Windows has no words for is named by its number alone.
        {"SetTimer", 0xE0DEFACEU, "SetTimer: error 0xE0DEFACE", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        const std::string text = win32::FailedCall(c.call, c.error);
        ASSERT_EQ(text.rfind(c.begins, 0), 0u) << text;
        const std::string rest = text.substr(std::string(c.begins).size());
        if (c.words) {
            EXPECT_GT(rest.size(), 3u) << text;
            EXPECT_EQ(rest.substr(0, 2), " (") << text;
            EXPECT_EQ(rest.back(), ')') << text;
        } else {
            EXPECT_EQ(rest, "") << text;
        }
    }
}

} // namespace
} // namespace vorlane::testing
