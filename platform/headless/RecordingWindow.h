#pragma once
#include "platform/Form.h"
#include "platform/TrayIcon.h"
#include "platform/headless/Recording.h"

#include <optional>
#include <string>
#include <vector>

namespace vorlane::headless {

// A form's window as state: bounds, region, topmost, shown, focus, closed. Calls are logged
// as they are; those of any form but the main one carry the form's name in front. It is also
// the native side of the form's tray icon, keeping the notifications it was asked to show.
class RecordingWindow : public FormWindow, public TrayIconPeer {
public:
    RecordingWindow(TForm& form, CallLog& log, bool isMain);
    ~RecordingWindow() override;
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    void SetBounds(int left, int top, int width, int height) override;
    void SetCaption(const std::string& caption) override;
    void SetEllipticRegion(int left, int top, int right, int bottom) override;
    void SetTopmost(bool on) override;
    void SetWindowStateNormal() override;
    void Show() override;
    void Hide() override;
    void BringToForeground() override;
    void Update() override;
    void SetFocus(TControl& control) override;
    void Close() override;
    void AcceptDroppedFiles(bool accept) override;
    // Moves the window through dragTo (when a test set it) step by step, as a user's drag
    // would, each step through the form's moving hook.
    void DragMove() override;
    void AccessibleNameChanged(const TControl& control) override {
        nameChanges.push_back(control.Name());
    }
    void Alert(const TControl* about) override {
        alerts.push_back(about != nullptr ? about->Name() : "window");
    }
    void ModelDestroyed() override { modelDestroyed = true; }
    void Changed(TTrayIcon& /*icon*/) override {}
    void ShowNotification(const TrayNotification& notification) override {
        notifications.push_back(notification);
    }

    TForm& form;
    WindowParams params;
    std::string caption;
    bool topmost;
    bool visible = false;
    bool closed = false;
    bool modelDestroyed = false;
    bool acceptsDrops = false;
    // What screen readers were told, kept apart from the call log: the controls whose parts
    // changed their names, and the alerts.
    std::vector<std::string> nameChanges;
    std::vector<std::string> alerts;
    std::vector<TrayNotification> notifications;
    struct {
        int left = 0, top = 0, right = 0, bottom = 0;
    } region;
    // Where the next drag takes the window's top-left corner, passing the points on the way.
    std::vector<Point> dragTo;

private:
    void Record(const std::string& call);
    CallLog& log_;
    std::string prefix_;
};

} // namespace vorlane::headless
