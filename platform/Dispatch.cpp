#include "platform/Dispatch.h"

#include "platform/Errors.h"

#include <new>
#include <typeinfo>
#include <utility>

namespace vorlane {
namespace {
ExceptionHandler& Handler() {
    static ExceptionHandler handler;
    return handler;
}
} // namespace

void SetExceptionHandler(ExceptionHandler handler) {
    Handler() = std::move(handler);
}

void Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        if (Handler()) {
            // The handler itself must not let anything escape a window procedure.
            try {
                Handler()(error);
            } catch (...) {
            }
        }
    } catch (...) {
        if (Handler()) {
            try {
                Handler()(std::runtime_error("Unbekannter Fehler"));
            } catch (...) {
            }
        }
    }
}

std::string ErrorDescription(const std::exception& error) {
    return std::string(error.what()) + " (" + ErrorTypeName(error) + ")";
}

std::string ErrorTypeName(const std::exception& error) {
    if (auto* own = dynamic_cast<const VorlaneError*>(&error)) {
        return own->TypeName();
    }
    if (dynamic_cast<const std::bad_alloc*>(&error)) {
        return "EOutOfMemory";
    }
    if (dynamic_cast<const std::out_of_range*>(&error)) {
        return "ERangeError";
    }
    if (dynamic_cast<const std::invalid_argument*>(&error)) {
        return "EConvertError";
    }
    return "Exception";
}

} // namespace vorlane
