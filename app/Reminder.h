#pragma once
#include "platform/Component.h"

#include <optional>
#include <string>

namespace vorlane {

class TFormVorlane;

// The reminder: a text given on the command line, shown above the display, and at zero a
// button that postpones it (by opening the clock-time selection).
class Reminder {
public:
    explicit Reminder(TFormVorlane& form);

    // The reminder line before the command line is read: no reminder, hidden.
    void SetNoReminder();
    // A reminder text from the command line.
    void ShowReminder(const std::string& text);
    // The reminder line's hint is its text; a reminder started at zero shows only its text
    // and the postpone button.
    void ArrangeAtStart(bool atZero);
    // After the clock-time selection: the reminder's line if there is a reminder, else the
    // sound's line.
    void ShowTextLine();
    // The reminder's text, if there is one.
    std::optional<std::string> Text() const;

private:
    void edtFirstTextLineClick(TComponent* sender);
    // A reminder was given and reads as one: the line's own text when there is none,
    // "Vezov!", cannot be told from a reminder of the same words, which counts as none.
    bool HasText() const;
    TFormVorlane& f_;
    // The reminder from the command line, if one was given.
    std::optional<std::string> text_;
};

} // namespace vorlane
