#pragma once
#include "platform/Services.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace vorlane::win32 {

// Failures the user is not told of, written to the debugger's output, where a debugger or a
// viewer of that output shows them: one line each, naming the program, the function and what
// failed there. Nothing is kept: without a debugger the line goes nowhere.
class DebuggerTrace : public FailureTrace {
public:
    void Failure(std::string_view where, std::string_view what) override;
};

// The line the trace writes for a failure.
std::string TraceLine(std::string_view where, std::string_view what);
// A system call that failed, with the error it gave: "call: error N (Windows' words)".
std::string FailedCall(std::string_view call, DWORD error);
// Traces a failed system call of the platform's own, where no service is at hand.
void TraceFailedCall(std::string_view where, std::string_view call, DWORD error);

} // namespace vorlane::win32
