#include "window_place.h"

#include <GL/glut.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>

namespace {

// The toolkit's size for a window nobody sizes.
constexpr int default_size = 300;

// A window manager redirects the root window's substructure to itself: that
// is how it gets to place new windows.
bool window_manager_running(const char* display_name)
{
    Display* display = XOpenDisplay(display_name);
    if (display == nullptr)
        return true; // cannot tell; leave the place to the toolkit
    XWindowAttributes root{};
    const bool known = XGetWindowAttributes(display, DefaultRootWindow(display), &root) != 0;
    XCloseDisplay(display);
    return !known || (root.all_event_masks & SubstructureRedirectMask) != 0;
}

} // namespace

PlaceOptions place_options(int argc, char** argv)
{
    PlaceOptions typed;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-geometry") == 0)
            typed.geometry = argv[++i];
        else if (std::strcmp(argv[i], "-display") == 0)
            typed.display = argv[++i];
    }
    return typed;
}

void place_window(const PlaceOptions& typed, const ProgramSetup& setup)
{
    int width = default_size, height = default_size;
    bool row_sizes = false, row_places = false;
    for (const WindowStep& step : setup.geometry) {
        if (step.kind == StepKind::size) {
            width = step.x;
            height = step.y;
            row_sizes = true;
        }
        row_places = row_places || step.kind == StepKind::position;
    }

    bool typed_places = false;
    if (typed.geometry != nullptr) {
        const int screen_width = glutGet(GLUT_SCREEN_WIDTH), screen_height = glutGet(GLUT_SCREEN_HEIGHT);
        int x = 0, y = 0;
        unsigned typed_width = 0, typed_height = 0;
        const int mask = XParseGeometry(typed.geometry, &x, &y, &typed_width, &typed_height);
        if (!row_sizes && (mask & WidthValue) && (mask & HeightValue) && typed_width > 0 && typed_height > 0) {
            width = static_cast<int>(std::min<unsigned>(typed_width, static_cast<unsigned>(screen_width)));
            height = static_cast<int>(std::min<unsigned>(typed_height, static_cast<unsigned>(screen_height)));
        }
        glutInitWindowSize(width, height);
        if (mask & (XValue | YValue)) {
            if (mask & XNegative)
                x += screen_width - width;
            if (mask & YNegative)
                y += screen_height - height;
            glutInitWindowPosition(std::clamp(x, 0, std::max(0, screen_width - width)),
                                   std::clamp(y, 0, std::max(0, screen_height - height)));
            typed_places = true;
        }
    }
    if (!row_places && !typed_places && !window_manager_running(typed.display))
        glutInitWindowPosition(0, 0);
}
