#pragma once
// What the info dialog says in English and German, where its links lead, and where its labels
// sit.
#include "info/ShowInfoDialog.h"

#include <array>

namespace vorlane {

// The language whose texts replace the English ones; compared exactly, case included.
inline constexpr const char* kGermanLanguage = "DEUTSCH";

// The web pages, each kept as one string with backslashes for the two slashes after the
// scheme, as the shell is handed them.
inline constexpr const char* kVorlanePageEnglish = "https:\\\\www.vorlane.example";
inline constexpr const char* kVorlanePageGerman = "http:\\\\www.vorlane-de.example";
inline constexpr const char* kArdewayPageEnglish = "https:\\\\www.ardeway.example";
inline constexpr const char* kArdewayPageGerman = "https:\\\\www.ardeway-de.example";

inline constexpr const char* kArdewayHintEnglish = "Visit www.ardeway.example";
inline constexpr const char* kArdewayHintGerman = "www.ardeway-de.example besuchen";

inline constexpr const char* kCopyrightLine = "© 2009–2026 Vorlane";
inline constexpr const char* kMakerName = "Vorlane-Team";

// One label's text in both languages.
struct InfoLabelText {
    TControl TShowInfoDialog::*label;
    const char* english;
    const char* german;
};

// Every label that changes with the language, the two links included.
extern const std::array<InfoLabelText, 20> kInfoLabelTexts;

// Where a label sits in the client area and its font size in points.
struct InfoLabelPlace {
    TControl TShowInfoDialog::*label;
    int left;
    int top;
    int points;
};

// Every label, in the order the dialog is laid out.
extern const std::array<InfoLabelPlace, 22> kInfoLabelPlaces;

} // namespace vorlane
