// What the frame does differently on each windowing system, a file each: X11
// on Linux and the other Unix desktops (platform_x11.cpp), Windows
// (platform_windows.cpp) or a web page (platform_web.cpp). Exactly one of them
// is built into the frame.
#pragma once

#include "window_place.h"

// Run before the toolkit starts: what the system needs set up for it, and a
// check of the display the command line names.
void prepare_platform(const PlaceOptions& typed, const char* program_name);

// Whether something on the display places new windows (a window manager on
// X, the desktop on Windows); where nothing does, the frame places them.
bool manager_places_windows(const char* display_name);

// How many of the screen's pixels make one pixel of a standard 96-DPI
// screen, as its desktop publishes it: X's Xft.dpi over 96, Windows' scale
// of the primary monitor; 1 on a standard screen, or where none is published.
double screen_scale(const char* display_name);

// Run once the toolkit has created the window, with the corner a typed place
// measures from: the window's outer frame, decorations and all, goes there.
void align_to_corner(Corner corner);
