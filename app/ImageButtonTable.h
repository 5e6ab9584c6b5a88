#pragma once
#include "platform/Component.h"
#include "platform/Control.h"

#include <cstdint>
#include <span>

namespace vorlane {

class TFormVorlane;
struct ImageButton;

using ImageButtonMember = ImageButton TFormVorlane::*;

// What keeps a button's pressed look on after the pointer has gone: the function it
// started is still on.
enum class PressedLatch { None, WhilePaused, WhilePlaying, WhileSelecting };

// How the pointer over a button shows its hover look.
enum class HoverRule {
    // Once until the next reset, which any other button's hover look triggers.
    Tracked,
    // It clears the hover looks of the neighbours its row names but keeps out of the
    // bookkeeping, so its own stays until another hover resets.
    ClearsNeighbours,
};

// Everything about one image button: design, layout, hints, click, key and looks are all
// made from its row, and the art (assets/render_art.py) reads its place from here too.
struct ImageButtonRow {
    ImageButtonMember button;
    // Its place in design pixels; the three looks share it.
    Rect bounds;
    // Where its pictures are taller than its place: their height (the rows below the place
    // are cut off); 0 where they fit it.
    int pictureHeight = 0;
    // The hint as designed, and the one start-up sets; play, pause and stop never show theirs.
    const char* designHint;
    const char* hint = nullptr;
    bool hintShown = true;
    // The key that runs its command while no time field has the focus; 0 for none.
    std::uint16_t key = 0;
    HoverRule hover = HoverRule::Tracked;
    // The buttons whose hover looks its own clears (HoverRule::ClearsNeighbours).
    std::span<const ImageButtonMember> hoverNeighbours = {};
    PressedLatch latch = PressedLatch::None;
    // What a click on any of its three looks, its key, a menu item for the same action and a
    // screen reader's default action run.
    void (*command)(TFormVorlane& form, TComponent* sender);
};

std::span<const ImageButtonRow> ImageButtonRows();

// One layer of looks in the stacking order: all resting looks, then all hover looks, then
// all pressed looks.
struct ImageButtonLayer {
    TControl ImageButton::*look;
    // Bottom first.
    std::span<const ImageButtonMember> buttons;
};

std::span<const ImageButtonLayer> ImageButtonLayers();

} // namespace vorlane
