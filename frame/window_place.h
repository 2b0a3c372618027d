// The window's size and place when the command line has a say in them.
#pragma once

#include "demo_frame.h"

// The toolkit's size for a window nobody sizes.
constexpr int toolkit_default_size = 300;

// The toolkit options that decide where the window goes, as typed; read
// before the toolkit sees the command line, which it reorders.
struct PlaceOptions {
    const char* geometry = nullptr; // -geometry WxH+X+Y
    const char* display = nullptr;  // -display NAME
};

PlaceOptions place_options(int argc, char** argv);

// The corner of the screen a typed place measures from.
enum class Corner { top_left, top_right, bottom_left, bottom_right };

// A size or place in standard pixels, in the screen's pixels at its scale.
int scaled(int pixels, double scale);

// Run after the toolkit has read the command line and before the row's own
// geometry steps, which the caller scales. Sizes and places, the row's and
// the typed ones, are in pixels of a standard 96-DPI screen; the window gets
// scale times as many of the screen's pixels, and nothing changes at 1. A
// typed geometry keeps its X meaning: a size the string gives (above zero)
// where the row sets none, never larger than the screen, and a position
// measured from the right or bottom edge against the window's final size, so
// the whole window lands on the screen. A window that neither the row nor the
// command line places, on a server without a window manager to place it,
// goes to the top-left corner rather than the toolkit's (-1, -1), one pixel
// off the screen. Returns the corner the typed place measures from, top_left
// unless an offset is from the right or bottom edge; the platform's
// align_to_corner puts the window's frame there once it exists.
Corner place_window(const PlaceOptions& typed, const ProgramSetup& setup, double scale);
