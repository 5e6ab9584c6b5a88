#include "platform/win32/SystemShell.h"

#include "platform/win32/Com.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Application.h"

#include <shellapi.h>

namespace vorlane::win32 {

bool SystemShell::Open(const std::string& file, const std::string& parameters) {
    UseCom(); // the shell may hand the file to an extension of its own
    const std::wstring wideParameters = Widen(parameters);
    const HINSTANCE result = ShellExecuteW(application_.OwnerHandle(), L"open", Widen(file).c_str(),
                                           parameters.empty() ? nullptr : wideParameters.c_str(),
                                           nullptr, SW_SHOWNORMAL);
    // Above 32 means the shell took it.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace vorlane::win32
