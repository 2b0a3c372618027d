// What the frame does differently on each windowing system: X11 on Linux and
// the other Unix desktops (platform_x11.cpp), or Windows (platform_windows.cpp).
// Exactly one of the two is built into the frame.
#pragma once

#include "window_place.h"

// A -geometry string as X reads it: "[=][WxH][{+-}X{+-}Y]".
struct TypedGeometry {
    bool has_size = false; // both width and height given
    bool has_place = false;
    bool from_right = false;  // "-X": X measures from the right edge
    bool from_bottom = false; // "-Y": Y measures from the bottom edge
    int x = 0, y = 0;
    unsigned width = 0, height = 0;
};

TypedGeometry parse_geometry(const char* text);

// Run before the toolkit starts: what the system needs set up for it, and a
// check of the display the command line names.
void prepare_platform(const PlaceOptions& typed, const char* program_name);

// Whether something on the display places new windows (a window manager on
// X, the desktop on Windows); where nothing does, the frame places them.
bool windows_get_placed(const char* display_name);

// Run once the toolkit has created the window, with the corner a typed place
// measures from: the window's outer frame, decorations and all, goes there.
void keep_corner(Corner corner);
