#pragma once
// The fixture every end-to-end scenario starts from: one Vorlane.exe per test, ended with it.
#include "driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vorlane::e2e {

class ProgramTest : public ::testing::Test {
protected:
    static constexpr milliseconds kStartTimeout{10000};

    // Starts the program with `args` and waits for its window; the info dialog of a first
    // start is closed unless asked otherwise. Null (and a failed expectation) when it does
    // not come up.
    HWND Start(const std::wstring& args, bool closeInfoDialog = true) {
        app_ = std::make_unique<VorlaneProcess>(args);
        EXPECT_TRUE(app_->Started()) << Narrow(app_->StartError());
        if (!app_->Started())
            return nullptr;
        HWND main = app_->WaitForMainWindow(kStartTimeout, closeInfoDialog);
        EXPECT_NE(main, nullptr) << "no visible TFormVorlane window within "
                                 << kStartTimeout.count()
                                 << " ms (is DISPLAY set? tools/wine-session.sh starts one)";
        return main;
    }

    std::unique_ptr<VorlaneProcess> app_;
};

} // namespace vorlane::e2e
