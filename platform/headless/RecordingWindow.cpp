#include "platform/headless/RecordingWindow.h"

namespace vorlane::headless {

RecordingWindow::RecordingWindow(TForm& owner, CallLog& log, bool isMain)
    : form(owner), topmost(owner.StayOnTop), log_(log), prefix_(isMain ? "" : owner.Name() + ": ") {
    params.className = "T" + owner.Name();
    owner.CreateParams(params);
    caption = owner.Caption();
    if (TTrayIcon* icon = owner.TrayIconOf()) {
        icon->AttachPeer(this);
    }
}

RecordingWindow::~RecordingWindow() {
    if (modelDestroyed) {
        return;
    }
    if (TTrayIcon* icon = form.TrayIconOf()) {
        icon->AttachPeer(nullptr);
    }
}

void RecordingWindow::Record(const std::string& call) {
    log_.Record(prefix_ + call);
}

void RecordingWindow::SetBounds(int left, int top, int width, int height) {
    Record("bounds " + std::to_string(left) + "," + std::to_string(top) + "," +
           std::to_string(width) + "," + std::to_string(height));
}

void RecordingWindow::SetCaption(const std::string& text) {
    caption = text;
    Record("caption " + text);
}

void RecordingWindow::SetEllipticRegion(int left, int top, int right, int bottom) {
    region = {left, top, right, bottom};
    Record("region");
}

void RecordingWindow::SetTopmost(bool on) {
    topmost = on;
    Record(on ? "topmost" : "notopmost");
}

void RecordingWindow::SetWindowStateNormal() {
    Record("normal");
}

void RecordingWindow::Show() {
    visible = true;
    form.WindowShown();
    Record("show");
}

void RecordingWindow::Hide() {
    visible = false;
    Record("hide");
}

void RecordingWindow::BringToForeground() {
    Record("foreground");
}

void RecordingWindow::Update() {
    Record("update");
}

void RecordingWindow::SetFocus(TControl& control) {
    Record("focus " + control.Name());
    form.FocusChanged(&control);
}

void RecordingWindow::Close() {
    Record("close");
    if (form.CloseQuery()) {
        closed = true;
        visible = false;
        form.WindowClosed();
    }
}

void RecordingWindow::AcceptDroppedFiles(bool accept) {
    acceptsDrops = accept;
    Record("drop files");
}

void RecordingWindow::DragMove() {
    Record("drag");
    for (const Point& step : dragTo) {
        Rect proposed{step.x, step.y, form.Width(), form.Height()};
        form.Moving(proposed);
        form.Moved(proposed.left, proposed.top);
    }
    dragTo.clear();
}

} // namespace vorlane::headless
