#pragma once
// Stands in for the application's error handler while it lives and keeps what reached it.
#include "platform/Dispatch.h"

#include <string>
#include <vector>

namespace vorlane::testing {

class CaughtErrors {
public:
    CaughtErrors() {
        SetExceptionHandler([this](const std::exception& error) {
            messages.push_back(error.what());
            typeNames.push_back(ErrorTypeName(error));
        });
    }
    ~CaughtErrors() { SetExceptionHandler(nullptr); }
    CaughtErrors(const CaughtErrors&) = delete;
    CaughtErrors& operator=(const CaughtErrors&) = delete;

    std::vector<std::string> messages;
    std::vector<std::string> typeNames;
};

} // namespace vorlane::testing
