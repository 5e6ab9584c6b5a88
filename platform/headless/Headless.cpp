#include "platform/headless/Headless.h"

#include "platform/Errors.h"

#include <string>

namespace vorlane::headless {

void RecordingWindows::Record(const std::string& call) {
    log.push_back(call);
    if (!failOn.empty() && call == failOn) {
        throw EWindowSystemError("Der Aufruf \"" + call + "\" ist fehlgeschlagen");
    }
}

void RecordingMessageBoxes::Show(const std::string& text, const std::string& caption,
                                 MessageIcon icon, bool /*keepMainWindowTopmost*/) {
    shown.push_back({text, caption, icon});
}

void RecordingWindows::SetWindowBounds(int left, int top, int width, int height) {
    Record("bounds " + std::to_string(left) + "," + std::to_string(top) + "," +
           std::to_string(width) + "," + std::to_string(height));
}

void RecordingWindows::SetEllipticRegion(int left, int top, int right, int bottom) {
    region = {left, top, right, bottom};
    Record("region");
}

void RecordingWindows::SetTopmost(bool on) {
    topmost = on;
    Record(on ? "topmost" : "notopmost");
}

void RecordingWindows::SetWindowStateNormal() {
    Record("normal");
}

void RecordingWindows::HideMainWindow() {
    mainVisible = false;
    Record("hide");
}

void RecordingWindows::BringToForeground() {
    Record("foreground");
}

void RecordingWindows::SetFocus(TControl& control) {
    Record("focus " + control.Name());
    if (form_ != nullptr) {
        form_->FocusChanged(&control);
    }
}

void RecordingWindows::Close() {
    Record("close");
    if (form_ != nullptr && form_->CloseQuery()) {
        closed = true;
        mainVisible = false;
    }
}

void RecordingWindows::AcceptDroppedFiles(bool accept) {
    acceptsDrops = accept;
    Record("drop files");
}

void RecordingWindows::RemovePendingChar() {
    if (pendingChars > 0) {
        --pendingChars;
    }
    Record("remove char");
}

void RecordingWindows::HideOwnerWindow() {
    Record("hide owner");
}

void RecordingWindows::MinimizeApplication() {
    minimized = true;
    Record("minimize");
}

void RecordingWindows::RestoreApplication() {
    Record("restore");
    if (minimized) {
        minimized = false;
        mainVisible = true;
    }
}

void RecordingWindows::SetHintStyle(Color /*background*/, int delayMs, int displayMs) {
    Record("hints " + std::to_string(delayMs) + " " + std::to_string(displayMs));
}

void RecordingWindows::ProcessMessages() {
    Record("process messages");
}

void RecordingWindows::Terminate() {
    terminated = true;
    Record("terminate");
}

int HeadlessHost::RunMessageLoop(TForm& /*form*/) {
    return 0;
}

} // namespace vorlane::headless
