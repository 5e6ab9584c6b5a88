#include "platform/win32/DebuggerTrace.h"

#include "platform/win32/SystemErrorText.h"
#include "platform/win32/Utf16.h"

#include <cstdio>

namespace vorlane::win32 {

std::string TraceLine(std::string_view where, std::string_view what) {
    std::string line = "Vorlane: ";
    line += where;
    line += ": ";
    line += what;
    return line + "\n";
}

std::string FailedCall(std::string_view call, DWORD error) {
    // An HRESULT reads in hexadecimal, an error number in decimal.
    char number[16];
    std::snprintf(number, sizeof(number), (error & 0x80000000U) != 0 ? "0x%08lX" : "%lu",
                  static_cast<unsigned long>(error));
    std::string text(call);
    text += ": error ";
    text += number;
    const std::string words = SystemErrorText(error);
    return words.empty() ? text : text + " (" + words + ")";
}

void TraceFailedCall(std::string_view where, std::string_view call, DWORD error) {
    DebuggerTrace().Failure(where, FailedCall(call, error));
}

void DebuggerTrace::Failure(std::string_view where, std::string_view what) {
    OutputDebugStringW(Widen(TraceLine(where, what)).c_str());
}

} // namespace vorlane::win32
