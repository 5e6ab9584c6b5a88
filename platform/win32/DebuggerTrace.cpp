#include "platform/win32/DebuggerTrace.h"

#include "platform/win32/Utf16.h"

#include <cstdio>

namespace vorlane::win32 {

namespace {

// Windows' own words for an error (an error number or an HRESULT), without the line end it
// puts after them; empty where it has none.
std::string ErrorWords(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring words = length > 0 ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!words.empty() &&
           (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ')) {
        words.pop_back();
    }
    return Narrow(words);
}

} // namespace

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
    const std::string words = ErrorWords(error);
    return words.empty() ? text : text + " (" + words + ")";
}

void TraceFailedCall(std::string_view where, std::string_view call, DWORD error) {
    DebuggerTrace().Failure(where, FailedCall(call, error));
}

void DebuggerTrace::Failure(std::string_view where, std::string_view what) {
    OutputDebugStringW(Widen(TraceLine(where, what)).c_str());
}

} // namespace vorlane::win32
