// The frame in a web page: the page is the only display, nothing else places
// the canvas, and it has no outer frame to move.
#include "platform.h"

void prepare_platform(const PlaceOptions&, const char*) {}

bool manager_places_windows(const char*) { return true; }

// The page's toolkit follows devicePixelRatio itself.
double screen_scale(const char*) { return 1.0; }

void align_to_corner(Corner) {}
