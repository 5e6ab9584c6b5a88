// The one way into the program: whatever a handler throws ends at the error handler.
#include "CaughtErrors.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlane::testing {
namespace {

using Strings = std::vector<std::string>;

struct PlainStruct {
    int code = 7;
};

TEST(Dispatch, ErrorsOfEveryKindReachTheHandlerAndGoNoFurther) {
    const struct {
        const char* what;
        std::function<void()> handler;
        const char* message;
        const char* typeName;
    } cases[] = {
        {"a standard error", [] { throw std::runtime_error("Uhr steht"); }, "Uhr steht",
         "Exception"},
        {"an own error", [] { throw EWindowSystemError("Kein Fenster"); }, "Kein Fenster",
         "EWindowSystemError"},
        {"an int", [] { throw 42; }, "Unbekannter Fehler", "Exception"},
        {"a plain struct", [] { throw PlainStruct{}; }, "Unbekannter Fehler", "Exception"},
        {"a text", [] { throw "Text"; }, "Unbekannter Fehler", "Exception"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CaughtErrors caught;
        EXPECT_NO_THROW(Dispatch(c.handler));
        EXPECT_EQ(caught.messages, Strings{c.message});
        EXPECT_EQ(caught.typeNames, Strings{c.typeName});
    }
}

TEST(Dispatch, AHandlerThatRunsThroughReportsNothing) {
    CaughtErrors caught;
    bool ran = false;
    Dispatch([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(caught.messages.empty());
}

// Nothing may cross a window procedure: not without an error handler, and not when the
// error handler fails itself.
TEST(Dispatch, NothingEscapesWithoutAHandlerOrFromAFailingHandler) {
    SetExceptionHandler(nullptr);
    EXPECT_NO_THROW(Dispatch([] { throw 42; }));
    EXPECT_NO_THROW(Dispatch([] { throw std::runtime_error("x"); }));

    int calls = 0;
    SetExceptionHandler([&calls](const std::exception&) {
        ++calls;
        throw PlainStruct{};
    });
    EXPECT_NO_THROW(Dispatch([] { throw 42; }));
    EXPECT_NO_THROW(Dispatch([] { throw std::runtime_error("x"); }));
    EXPECT_EQ(calls, 2);
    SetExceptionHandler(nullptr);
}

} // namespace
} // namespace vorlane::testing
