#pragma once
#include "platform/Services.h"

namespace vorlane::win32 {

// The program's registration with Windows for a restart after an update, a crash or a hang
// (RegisterApplicationRestart); a refused call is traced.
class ApplicationRestart : public RestartRegistration {
public:
    void Register(const std::string& arguments) override;
    void Withdraw() override;
};

} // namespace vorlane::win32
