#include "platform/win32/Utf16.h"

#include <windows.h>

namespace vorlane::win32 {

namespace {

std::wstring WidenFrom(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

} // namespace

std::wstring Widen(std::string_view text) {
    return WidenFrom(CP_UTF8, text);
}

std::wstring WidenAnsi(std::string_view text) {
    return WidenFrom(CP_ACP, text);
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size,
                        nullptr, nullptr);
    return narrow;
}

} // namespace vorlane::win32
