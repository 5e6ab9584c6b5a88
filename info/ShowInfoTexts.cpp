#include "info/ShowInfoTexts.h"

namespace vorlane {

// Leading spaces indent the continuation lines under the step's number; "&&" shows as "&".
const std::array<InfoLabelText, 20> kInfoLabelTexts{{
    {&TShowInfoDialog::llbInfo11, "1. Move a MP3 music file with drag&&drop onto",
     "1. Ziehen Sie per Drag && Drop eine MP3-Datei"},
    {&TShowInfoDialog::llbInfo12, "    the Vorlane or choose the eject button (1)",
     "    auf den Vorlane oder betätigen Sie den"},
    {&TShowInfoDialog::llbInfo13, "    to select which music should play at the end",
     "    \"Eject-Knopf\" (1) und wählen Sie eine"},
    {&TShowInfoDialog::llbInfo14, "    of the countdown", "    MP3-Datei aus."},
    {&TShowInfoDialog::llbInfo21, "2. To adjust the countdown use the",
     "2. Um die Zeit einzustellen, benutzen Sie die"},
    {&TShowInfoDialog::llbInfo22, "    buttons (2) or enter the time directly in",
     "    +5 +1 -5 -1 Knöpfe (2) oder tippen Sie die"},
    {&TShowInfoDialog::llbInfo23, "    the time display (3) or click on the red",
     "    gewünschten Minuten und Sekunden direkt"},
    {&TShowInfoDialog::llbInfo24, "    button (4) to select the clock time at",
     "    ins Zeit-Feld (3) ein, oder wechseln Sie"},
    {&TShowInfoDialog::llbInfo25, "    which the countdown should end.",
     "    über den roten Knopf (4) in die Zeitauswahl"},
    {&TShowInfoDialog::llbInfo26, "        ", "    und wählen eine Uhrzeit."},
    {&TShowInfoDialog::llbInfo31, "3. The Timer will countdown until it reaches",
     "3. Sobald die Zeit abgelaufen ist, wird die"},
    {&TShowInfoDialog::llbInfo32, "    zero. Then the music will play.", "    Musik abgespielt."},
    {&TShowInfoDialog::llbInfo4, "More information here:", "Mehr Informationen hier:"},
    {&TShowInfoDialog::lblVorlaneLink, "www.vorlane.example", "www.vorlane-de.example"},
    {&TShowInfoDialog::llbArdewayInfo1, "Vorlane is an official plugin of the popular",
     "Der Vorlane ist ein offizielles Plugin des"},
    {&TShowInfoDialog::llbArdewayInfo2, "Ardeway Organizers. Please visit",
     "Ardeway Organizers. Besuchen Sie"},
    {&TShowInfoDialog::llbArdewayLink, "www.ardeway.example", "www.ardeway-de.example"},
    {&TShowInfoDialog::llbArdewayInfo3, "and test it for free!", "und testen Sie kostenlos das"},
    {&TShowInfoDialog::llbArdewayInfo4, "Ardeway is a helpful, fast-access organizer",
     "geniale und preisgekrönte Tool zum Verwalten von"},
    {&TShowInfoDialog::llbArdewayInfo5, "for making and storing quick notes.",
     "Notizen, Terminen und ToDos."},
}};

// Kept exactly as the dialog was designed, the uneven spacing of the instruction lines
// (tops 108, 120, 134, 150) included.
const std::array<InfoLabelPlace, 22> kInfoLabelPlaces{{
    {&TShowInfoDialog::llbInfo11, 7, 9, 7},
    {&TShowInfoDialog::llbInfo12, 7, 23, 7},
    {&TShowInfoDialog::llbInfo13, 7, 37, 7},
    {&TShowInfoDialog::llbInfo14, 7, 51, 7},
    {&TShowInfoDialog::llbInfo21, 7, 80, 7},
    {&TShowInfoDialog::llbInfo22, 7, 94, 7},
    {&TShowInfoDialog::llbInfo23, 7, 108, 7},
    {&TShowInfoDialog::llbInfo24, 7, 120, 7},
    {&TShowInfoDialog::llbInfo25, 7, 134, 7},
    {&TShowInfoDialog::llbInfo26, 7, 150, 7},
    {&TShowInfoDialog::llbInfo31, 7, 179, 7},
    {&TShowInfoDialog::llbInfo32, 7, 193, 7},
    {&TShowInfoDialog::llbInfo4, 12, 225, 7},
    {&TShowInfoDialog::lblVorlaneLink, 178, 225, 7},
    {&TShowInfoDialog::llbInfoCopyright1, 262, 266, 6},
    {&TShowInfoDialog::llbInfoCopyright2, 262, 278, 6},
    {&TShowInfoDialog::llbArdewayLink, 21, 364, 6},
    {&TShowInfoDialog::llbArdewayInfo1, 21, 340, 6},
    {&TShowInfoDialog::llbArdewayInfo2, 21, 352, 6},
    {&TShowInfoDialog::llbArdewayInfo3, 152, 364, 6},
    {&TShowInfoDialog::llbArdewayInfo4, 21, 376, 6},
    {&TShowInfoDialog::llbArdewayInfo5, 21, 388, 6},
}};

} // namespace vorlane
