#include "platform/win32/ApplicationRestart.h"

#include "platform/win32/DebuggerTrace.h"
#include "platform/win32/Utf16.h"

#include <windows.h>

namespace vorlane::win32 {

void ApplicationRestart::Register(const std::string& arguments) {
    // Restarted in every case Windows offers: after an update, a crash, a hang and a restart
    // of the computer an installer asked for.
    const HRESULT result = RegisterApplicationRestart(Widen(arguments).c_str(), 0);
    if (FAILED(result)) {
        TraceFailedCall("ApplicationRestart::Register", "RegisterApplicationRestart",
                        static_cast<DWORD>(result));
    }
}

void ApplicationRestart::Withdraw() {
    const HRESULT result = UnregisterApplicationRestart();
    if (FAILED(result)) {
        TraceFailedCall("ApplicationRestart::Withdraw", "UnregisterApplicationRestart",
                        static_cast<DWORD>(result));
    }
}

} // namespace vorlane::win32
