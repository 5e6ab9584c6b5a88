#pragma once
#include <stdexcept>
#include <string>

namespace vorlane {

// Base of the program's own errors: each names its type, for the error boxes.
class VorlaneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* TypeName() const noexcept { return "EVorlaneError"; }
};

// A native call of the window system failed.
class EWindowSystemError : public VorlaneError {
public:
    using VorlaneError::VorlaneError;
    const char* TypeName() const noexcept override { return "EWindowSystemError"; }
};

// A file or folder could not be read, written, replaced or made; the message names the file
// and says why.
class EFileError : public VorlaneError {
public:
    using VorlaneError::VorlaneError;
    const char* TypeName() const noexcept override { return "EFileError"; }
};

} // namespace vorlane
