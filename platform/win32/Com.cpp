#include "platform/win32/Com.h"

#include <objbase.h>

namespace vorlane::win32 {

void UseCom() {
    static const HRESULT joined = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)joined; // a thread already in COM keeps its apartment: nothing else to do
}

} // namespace vorlane::win32
