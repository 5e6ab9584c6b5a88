#include "core/TargetTime.h"

#include "core/Utf8Character.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vorlane {

namespace {

constexpr std::size_t kCountedUnits = 5;
constexpr int kNoDigit = -1;

// What matters of the first five UTF-16 units of the typed text: which are digits, and
// their values. A character beyond U+FFFF takes two of the five places.
class TypedUnits {
public:
    explicit TypedUnits(std::string_view text) {
        for (std::size_t pos = 0; pos < text.size() && size_ < kCountedUnits;) {
            const Utf8Character character = Utf8CharacterAt(text, pos);
            pos += character.bytes;
            const bool isDigit = character.codePoint >= U'0' && character.codePoint <= U'9';
            const int digit = isDigit ? static_cast<int>(character.codePoint - U'0') : kNoDigit;
            for (std::size_t i = 0; i < character.utf16Units && size_ < kCountedUnits; ++i) {
                digits_[size_++] = digit;
            }
        }
    }

    std::size_t size() const { return size_; }
    bool IsDigitAt(std::size_t index) const { return index < size_ && digits_[index] != kNoDigit; }
    int DigitAt(std::size_t index) const { return digits_[index]; }

private:
    std::array<int, kCountedUnits> digits_{};
    std::size_t size_ = 0;
};

// Hour and minute as typed, each 0 to 99, before the range is applied.
struct TypedTime {
    int hour;
    int minute;
};

// One or two characters: an hour alone, or one digit behind a non-digit.
std::optional<TypedTime> ReadShortText(const TypedUnits& typed) {
    if (typed.size() == 1 && typed.IsDigitAt(0)) {
        return TypedTime{typed.DigitAt(0), 0};
    }
    if (typed.size() == 2 && typed.IsDigitAt(0) && typed.IsDigitAt(1)) {
        return TypedTime{typed.DigitAt(0) * 10 + typed.DigitAt(1), 0};
    }
    if (typed.size() == 2 && typed.IsDigitAt(1)) {
        return TypedTime{typed.DigitAt(1), 0};
    }
    return std::nullopt;
}

// Three to five characters: the hour's one or two digits, at most two separators of any
// kind, then the minute's one or two digits, which may be missing.
std::optional<TypedTime> ReadLongText(const TypedUnits& typed) {
    if (!typed.IsDigitAt(0)) {
        return std::nullopt;
    }
    TypedTime time{typed.DigitAt(0), 0};
    std::size_t rest = 1;
    if (typed.IsDigitAt(1)) {
        time.hour = time.hour * 10 + typed.DigitAt(1);
        rest = 2;
    }
    // A lone separator after the hour ("09:") is an entry left unfinished.
    if (typed.size() - rest == 1 && !typed.IsDigitAt(rest)) {
        return std::nullopt;
    }
    for (int skipped = 0; skipped < 2 && rest < typed.size() && !typed.IsDigitAt(rest); ++skipped) {
        ++rest;
    }
    if (typed.IsDigitAt(rest)) {
        time.minute = typed.DigitAt(rest);
        if (typed.IsDigitAt(rest + 1)) {
            time.minute = time.minute * 10 + typed.DigitAt(rest + 1);
        }
    }
    return time;
}

TargetTime InRange(TypedTime time) {
    // 24 is midnight; anything larger is taken as the last hour of the day.
    const int hour = time.hour == 24 ? 0 : (time.hour > 24 ? 23 : time.hour);
    const int minute = time.minute > 59 ? 59 : time.minute;
    return TargetTime{ClockTimeText(hour, minute), static_cast<std::uint16_t>(hour),
                      static_cast<std::uint16_t>(minute)};
}

} // namespace

std::string ClockTimeText(int hour, int minute) {
    std::string text = "00:00";
    text[0] = static_cast<char>('0' + hour / 10);
    text[1] = static_cast<char>('0' + hour % 10);
    text[3] = static_cast<char>('0' + minute / 10);
    text[4] = static_cast<char>('0' + minute % 10);
    return text;
}

TargetTime ParseTargetTime(std::string_view text) {
    const TypedUnits typed(text);
    const std::optional<TypedTime> time =
        typed.size() <= 2 ? ReadShortText(typed) : ReadLongText(typed);
    return InRange(time.value_or(TypedTime{12, 0}));
}

} // namespace vorlane
