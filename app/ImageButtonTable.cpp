// The image buttons of the main window, one row each. Adding a button: its member in the
// form, its row here and its place in each layer below, its command, and its pictures.
#include "app/ImageButtonTable.h"
#include "app/AlarmSound.h"
#include "app/ClockTimeSelection.h"
#include "app/TimeDisplay.h"
#include "app/VorlaneSRC.h"
#include "app/WindowAndTray.h"
#include "platform/Keys.h"

#include <algorithm>
#include <iterator>

namespace vorlane {

namespace {
using F = TFormVorlane;
using H = HoverRule;
using L = PressedLatch;

// The open button sits between these: its hover look clears theirs.
constexpr ImageButtonMember kOpenNeighbours[] = {&F::btnPause, &F::btnStop, &F::btnPlay,
                                                 &F::btnSetTime};

constexpr ImageButtonRow kRows[] = {
    {.button = &F::btnMinusOne,
     .bounds = {13, 179, 50, 53},
     .designHint = "Reduce countdown time one minute",
     .hint = "\"Countdown\" eine Minute verringern",
     .key = keys::kDown,
     .command = [](F& f, TComponent* s) { f.display().btnMinusOneNormalClick(s); }},
    {.button = &F::btnMinusFive,
     .bounds = {2, 130, 56, 55},
     .pictureHeight = 56,
     .designHint = "Reduce countdown time five minutes",
     .hint = "\"Countdown\" um fünf Minuten verringern",
     .key = keys::kPageDown,
     .command = [](F& f, TComponent* s) { f.display().btnMinusFiveNormalClick(s); }},
    {.button = &F::btnPlusOne,
     .bounds = {107, 179, 50, 53},
     .designHint = "Add one minute to countdown time",
     .hint = "\"Countdown\" eine Minute verlängern",
     .key = keys::kUp,
     .command = [](F& f, TComponent* s) { f.display().btnPlusOneNormalClick(s); }},
    {.button = &F::btnPlusFive,
     .bounds = {113, 130, 56, 56},
     .designHint = "Add five minutes to countdown time",
     .hint = "\"Countdown\" um fünf Minuten verlängern",
     .key = keys::kPageUp,
     .command = [](F& f, TComponent* s) { f.display().btnPlusFiveNormalClick(s); }},
    // Play and pause share Space, which chooses between them (KeyCommands).
    {.button = &F::btnPlay,
     .bounds = {70, 165, 32, 56},
     .designHint = "Click here to start the selected MP3",
     .hint = "Hier klicken, um die ausgewählte Datei zu starten",
     .hintShown = false,
     .latch = L::WhilePlaying,
     .command = [](F& f, TComponent* s) { f.sound().btnPlayNormalClick(s); }},
    {.button = &F::btnStop,
     .bounds = {91, 128, 26, 39},
     .designHint = "Click here to stop the selected MP3",
     .hint = "Hier klicken, um die ausgewählte Datei zu stoppen",
     .hintShown = false,
     .key = keys::kS,
     .command = [](F& f, TComponent* s) { f.sound().btnStopNormalClick(s); }},
    {.button = &F::btnPause,
     .bounds = {54, 128, 26, 39},
     .designHint = "Click here to pause the selected MP3",
     .hint = "Hier klicken, um die ausgewählte Datei zu unterbrechen",
     .hintShown = false,
     .latch = L::WhilePaused,
     .command = [](F& f, TComponent* s) { f.sound().btnPauseNormalClick(s); }},
    {.button = &F::btnOpenMP3,
     .bounds = {76, 122, 18, 25},
     .designHint = "Choose a MP3 track",
     .hint = "Hier klicken, um ein MP3 Stück auszuwählen!",
     .key = keys::kO,
     .hover = H::ClearsNeighbours,
     .hoverNeighbours = kOpenNeighbours,
     .command = [](F& f, TComponent* s) { f.sound().btnOpenMP3NormalClick(s); }},
    // Minimise and exit keep their English hints.
    {.button = &F::btnMinimize,
     .bounds = {64, 9, 21, 15},
     .pictureHeight = 16,
     .designHint = "Minimize",
     .key = keys::kM,
     .command = [](F& f, TComponent* s) { f.windowAndTray().mnuMinimizeClick(s); }},
    // Escape runs its command too, unless a clock time is being chosen (KeyCommands).
    {.button = &F::btnExit,
     .bounds = {85, 9, 21, 16},
     .designHint = "Exit",
     .command = [](F& f, TComponent* s) { f.mnuExitClick(s); }},
    {.button = &F::btnSetTime,
     .bounds = {37, 123, 17, 20},
     .designHint = "Select Target Time",
     .hint = "Zeit direkt auswählen",
     .key = keys::kZ,
     .latch = L::WhileSelecting,
     .command = [](F& f, TComponent* s) { f.selection().btnSetTimeClick(s); }},
    {.button = &F::btnHelp,
     .bounds = {119, 123, 17, 20},
     .designHint = "Info",
     .hint = "Info",
     .command = [](F& f, TComponent* s) { f.windowAndTray().btnHelpNormalClick(s); }},
};

// The stacking order of each layer, bottom first.
constexpr ImageButtonMember kNormalStack[] = {&F::btnPlusOne,  &F::btnPlusFive,  &F::btnStop,
                                              &F::btnOpenMP3,  &F::btnPause,     &F::btnPlay,
                                              &F::btnMinusOne, &F::btnMinusFive, &F::btnMinimize,
                                              &F::btnExit,     &F::btnSetTime,   &F::btnHelp};
constexpr ImageButtonMember kHoverStack[] = {&F::btnOpenMP3,  &F::btnStop,    &F::btnPause,
                                             &F::btnMinimize, &F::btnExit,    &F::btnPlay,
                                             &F::btnPlusFive, &F::btnPlusOne, &F::btnMinusFive,
                                             &F::btnMinusOne, &F::btnSetTime, &F::btnHelp};
constexpr ImageButtonMember kActiveStack[] = {&F::btnMinimize, &F::btnExit,    &F::btnPause,
                                              &F::btnStop,     &F::btnOpenMP3, &F::btnPlay,
                                              &F::btnPlusFive, &F::btnPlusOne, &F::btnMinusFive,
                                              &F::btnMinusOne, &F::btnHelp,    &F::btnSetTime};

const ImageButtonLayer kLayers[] = {{&ImageButton::Normal, kNormalStack},
                                    {&ImageButton::Hover, kHoverStack},
                                    {&ImageButton::Active, kActiveStack}};

// A button left out of a layer would never be drawn; one listed twice would be added twice.
constexpr bool EachButtonOnceIn(std::span<const ImageButtonMember> layer) {
    return layer.size() == std::size(kRows) &&
           std::all_of(std::begin(kRows), std::end(kRows), [layer](const ImageButtonRow& row) {
               return std::count(layer.begin(), layer.end(), row.button) == 1;
           });
}
static_assert(EachButtonOnceIn(kNormalStack) && EachButtonOnceIn(kHoverStack) &&
              EachButtonOnceIn(kActiveStack));

// A key runs the first row that names it; a second one would never run.
constexpr bool KeysDistinct() {
    for (auto row = std::begin(kRows); row != std::end(kRows); ++row) {
        if (row->key != 0 &&
            std::any_of(std::next(row), std::end(kRows),
                        [row](const ImageButtonRow& other) { return other.key == row->key; })) {
            return false;
        }
    }
    return true;
}
static_assert(KeysDistinct());

// Only the rule that clears neighbours reads them, and it needs some.
constexpr bool NeighboursNamedWhereCleared() {
    return std::all_of(std::begin(kRows), std::end(kRows), [](const ImageButtonRow& row) {
        return (row.hover == H::ClearsNeighbours) == !row.hoverNeighbours.empty();
    });
}
static_assert(NeighboursNamedWhereCleared());
} // namespace

std::span<const ImageButtonRow> ImageButtonRows() {
    return kRows;
}

std::span<const ImageButtonLayer> ImageButtonLayers() {
    return kLayers;
}

} // namespace vorlane
