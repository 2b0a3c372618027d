#include "window_place.h"

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>
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

int place_window(const PlaceOptions& typed, const ProgramSetup& setup)
{
    int gravity = NorthWestGravity;
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
            if (!row_places && (mask & (XNegative | YNegative)))
                gravity =
                    (mask & XNegative) ? ((mask & YNegative) ? SouthEastGravity : NorthEastGravity) : SouthWestGravity;
        }
    }
    if (!row_places && !typed_places && !window_manager_running(typed.display))
        glutInitWindowPosition(0, 0);
    return gravity;
}

void keep_gravity(int gravity)
{
    if (gravity == NorthWestGravity)
        return;
    // The toolkit gives the new window its place with no gravity, and by the
    // time glutCreateWindow returns a window manager has put the frame's
    // top-left corner there, so the decorations push the window past the
    // right or bottom edge. Moved by the frame's extents, the frame's outer
    // corner lands where the offsets say. Without a window manager there are
    // no extents and the window's own place holds.
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    const int x = glutGet(GLUT_INIT_WINDOW_X), y = glutGet(GLUT_INIT_WINDOW_Y);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, "_NET_FRAME_EXTENTS", False), 0, 4, False, XA_CARDINAL,
                       &type, &format, &count, &after, &data);
    if (data != nullptr && type == XA_CARDINAL && format == 32 && count == 4) {
        const long* extents = reinterpret_cast<const long*>(data); // left, right, top, bottom
        const bool east = gravity == NorthEastGravity || gravity == SouthEastGravity;
        const bool south = gravity == SouthWestGravity || gravity == SouthEastGravity;
        const int dx = east ? static_cast<int>(extents[0] + extents[1]) : 0;
        const int dy = south ? static_cast<int>(extents[2] + extents[3]) : 0;
        if (dx != 0 || dy != 0)
            XMoveWindow(display, window, x - dx, y - dy);
    }
    if (data != nullptr)
        XFree(data);
    // And the hints say which corner the place belongs to, as X programs'
    // do, for whatever the window manager does with the window later. They
    // follow the move, which the window manager takes by the top-left corner.
    XSizeHints hints{};
    hints.flags = USPosition | USSize | PWinGravity;
    hints.x = x;
    hints.y = y;
    hints.width = glutGet(GLUT_INIT_WINDOW_WIDTH);
    hints.height = glutGet(GLUT_INIT_WINDOW_HEIGHT);
    hints.win_gravity = gravity;
    XSetWMNormalHints(display, window, &hints);
    XFlush(display);
}
