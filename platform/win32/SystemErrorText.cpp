#include "platform/win32/SystemErrorText.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Utf16.h"

namespace vorlane::win32 {

std::string SystemErrorText(DWORD error) {
    wchar_t* allocated = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&allocated), 0, nullptr);
    const UniqueLocalMemory<wchar_t> buffer(allocated);
    std::wstring text = length > 0 ? std::wstring(buffer.Get(), length) : std::wstring();
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.pop_back();
    }
    return Narrow(text);
}

} // namespace vorlane::win32
