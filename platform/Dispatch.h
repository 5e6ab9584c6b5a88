#pragma once
#include <exception>
#include <functional>
#include <string>

namespace vorlane {

// The one way from a native event into the program. Whatever a handler throws stops
// here and goes to the application's error handler, so no exception ever crosses a
// window procedure and the program runs on after an error.
using ExceptionHandler = std::function<void(const std::exception& error)>;

void SetExceptionHandler(ExceptionHandler handler);
void Dispatch(const std::function<void()>& handler);

// The readable name of an error's type, shown in round brackets in error boxes.
std::string ErrorTypeName(const std::exception& error);
// An error as the error boxes show it: its message, then its type name in round brackets.
std::string ErrorDescription(const std::exception& error);

} // namespace vorlane
