#pragma once
#include "platform/Component.h"
#include "platform/Control.h"

#include <span>

namespace vorlane {

class TFormVorlane;
struct ImageButton;

// What keeps a button's pressed look on after the pointer has gone: the function it
// started is still on.
enum class PressedLatch { None, WhilePaused, WhilePlaying, WhileSelecting };

// How the pointer over a button shows its hover look.
enum class HoverRule {
    // Once until the next reset, which any other button's hover look triggers.
    Tracked,
    // The open button sits between pause, stop, play and target time: it clears their hover
    // looks but keeps out of the bookkeeping, so its own stays until another hover resets.
    ClearsNeighbours,
};

// Everything about one image button: design, layout, stacking, hints, click and looks are all
// made from its row.
struct ImageButtonRow {
    ImageButton TFormVorlane::*button;
    // Its place in design pixels; the three looks share it.
    Rect bounds;
    // Its rank in each stacking layer (all resting looks, then all hover looks, then all
    // pressed looks), bottom first.
    int normalLayer;
    int hoverLayer;
    int activeLayer;
    // The hint as designed, and the one start-up sets; play, pause and stop never show theirs.
    const char* designHint;
    const char* hint;
    bool hintShown;
    HoverRule hover;
    PressedLatch latch;
    // The click of any of its three looks.
    void (*click)(TFormVorlane& form, TComponent* sender);
};

std::span<const ImageButtonRow> ImageButtonRows();

} // namespace vorlane
