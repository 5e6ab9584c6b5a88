#pragma once
#include "platform/Form.h"
#include "platform/headless/Recording.h"

#include <optional>
#include <string>
#include <vector>

namespace vorlane::headless {

// A form's window as state: bounds, region, topmost, shown, focus, closed. Calls are logged
// as they are; those of any form but the main one carry the form's name in front.
class RecordingWindow : public FormWindow {
public:
    RecordingWindow(TForm& form, CallLog& log, bool isMain);

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
