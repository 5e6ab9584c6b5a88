#pragma once
#include "bench/ImportPatch.h"

namespace vorlane::testing {

// An import of the test program pointed at a replacement for as long as this lives. The
// program's windows are linked into it, so their calls go the same way.
template <typename Function> class PatchedImport {
public:
    PatchedImport(const char* dll, const char* name, Function replacement, Function& original)
        : dll_(dll), name_(name), original_(original) {
        original = reinterpret_cast<Function>(
            bench::PatchImport(dll, name, reinterpret_cast<void*>(replacement)));
    }
    ~PatchedImport() {
        bench::PatchImport(dll_, name_, reinterpret_cast<void*>(original_));
        original_ = nullptr;
    }
    PatchedImport(const PatchedImport&) = delete;
    PatchedImport& operator=(const PatchedImport&) = delete;
    bool Active() const { return original_ != nullptr; }

private:
    const char* dll_;
    const char* name_;
    Function& original_;
};

} // namespace vorlane::testing
