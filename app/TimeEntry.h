#pragma once
#include "platform/Component.h"

#include <cstdint>

namespace vorlane {

class TControl;
class TFormVorlane;

// Typing minutes and seconds into the display: the countdown waits while a field is edited
// and takes the typed time when the field is left.
class TimeEntry {
public:
    explicit TimeEntry(TFormVorlane& form);

private:
    void edtTimeMinutesEnter(TComponent* sender);
    void edtTimeSecondsEnter(TComponent* sender);
    void edtTimeMinutesExit(TComponent* sender);
    void edtTimeSecondsExit(TComponent* sender);
    void edtTimeMinutesClick(TComponent* sender);
    void edtTimeSecondsClick(TComponent* sender);
    void edtTimeKeyPress(TComponent* sender, char16_t& key);
    void edtOnContextPopup(TComponent* sender, int x, int y, bool& handled);
    // Reads a time field for its enter handler; an error report when it is no number.
    static std::int32_t FieldValueOnEnter(const TControl& field);
    // The countdown from a newly typed value, counted from now.
    void ApplyTypedTime(std::int32_t seconds);
    // What a field's exit does once it knows whether its number changed.
    void LeaveField(bool changed);

    TFormVorlane& f_;
    std::int32_t minutesOnEnter_ = 0;
    std::int32_t secondsOnEnter_ = 0;
};

} // namespace vorlane
