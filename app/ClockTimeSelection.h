#pragma once
#include "core/TargetTime.h"
#include "platform/Component.h"

#include <cstdint>
#include <string>

namespace vorlane {

class TFormVorlane;

// Counting down to a chosen clock time: the list of clock times in place of the display,
// the check of what was typed into it and the confirmation. The countdown waits meanwhile.
class ClockTimeSelection {
public:
    explicit ClockTimeSelection(TFormVorlane& form);

    void btnSelectTimeclick(TComponent* sender);
    void btnSetTimeClick(TComponent* sender);
    void btnTimeSelectionOkayClick(TComponent* sender);

    // The list is shown and a clock time is being chosen.
    bool Selecting() const;

private:
    // Reads the list's text as a clock time and shows it as read.
    TargetTime ParseTargetTime();
    void mnuSelectTimeClick(TComponent* sender);
    void cmbEndTimeComboBoxExit(TComponent* sender);
    void cmbEndTimeComboBoxKeyPress(TComponent* sender, char16_t& key);
    TFormVorlane& f_;
    // The list's text when the selection opened: the clock time then. Confirming it unchanged
    // keeps the countdown as it was.
    std::string selectionStartText_;
    // A confirmation is under way: the focus moves it makes confirm nothing a second time.
    bool confirming_ = false;
};

} // namespace vorlane
