// The frame on X11: an error handler for the software rasterizers' read-back,
// the order in which a window's GL context is torn down, a window manager's
// frame around a placed window, and the desktop's scale.
#include "platform.h"

#include "gl_headers.h"
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

namespace {

// Mesa's software rasterizers read a single-buffered window back with
// XGetImage. When the window shrinks between the size they asked for and the
// read, the server answers BadMatch, and Xlib's default handler would end the
// program in the middle of a resize. What was read is about to be drawn
// again, so that one error is let pass; every other error goes to the
// handler that was there before, as it always did.
XErrorHandler earlier_handler = nullptr;

int pass_stale_readback(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadMatch && error->request_code == X_GetImage)
        return 0;
    return earlier_handler ? earlier_handler(display, error) : 0;
}

} // namespace

void prepare_platform(const PlaceOptions&, const char*)
{
    // Xlib's handler is the process's, so it can be set before any display
    // is open; the toolkit reports a display it cannot open itself.
    earlier_handler = XSetErrorHandler(pass_stale_readback);
}

// A window manager redirects the root window's substructure to itself: that
// is how it gets to place new windows.
bool manager_places_windows(const char* display_name)
{
    Display* display = XOpenDisplay(display_name);
    if (display == nullptr)
        return true; // cannot tell; leave the place to the toolkit
    XWindowAttributes root{};
    const bool known = XGetWindowAttributes(display, DefaultRootWindow(display), &root) != 0;
    XCloseDisplay(display);
    return !known || (root.all_event_masks & SubstructureRedirectMask) != 0;
}

// A desktop on a high-density screen publishes its scale as Xft.dpi in the
// screen's resource database (192 at 200 %), as GTK, Qt and GLFW read it.
// Rounded to a quarter, the steps the desktops' display settings offer, and
// never below 1: a lower Xft.dpi is a font setting, not a smaller screen.
double screen_scale(const char* display_name)
{
    Display* display = XOpenDisplay(display_name);
    if (display == nullptr)
        return 1.0;
    double scale = 1.0;
    if (const char* resources = XResourceManagerString(display)) {
        XrmInitialize();
        if (XrmDatabase database = XrmGetStringDatabase(resources)) {
            char* type = nullptr;
            XrmValue value{};
            if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr)
                scale = std::max(1.0, std::round(std::strtod(value.addr, nullptr) / 96.0 * 4.0) / 4.0);
            XrmDestroyDatabase(database);
        }
    }
    XCloseDisplay(display);
    return scale;
}

void align_to_corner(Corner corner)
{
    if (corner == Corner::top_left)
        return;
    // The toolkit gives the new window its place with no gravity, and by the
    // time glutCreateWindow returns a window manager has put the frame's
    // top-left corner there, so the decorations push the window past the
    // right or bottom edge. Moved by the frame's extents, the frame's outer
    // corner lands where the offsets say. Without a window manager there are
    // no extents and the window's own place holds.
    const bool east = corner == Corner::top_right || corner == Corner::bottom_right;
    const bool south = corner == Corner::bottom_left || corner == Corner::bottom_right;
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
    hints.win_gravity = east ? (south ? SouthEastGravity : NorthEastGravity) : SouthWestGravity;
    XSetWMNormalHints(display, window, &hints);
    XFlush(display);
}

// Mesa's software rasterizers show a single-buffered window by copying its
// front buffer into it (an MIT-SHM PutImage), and once more when the context
// is released. The toolkit, closing a window, destroys the window's context
// while it is still current and then the window: the context lives on,
// bound to a window that is gone, until the display is closed, and its last
// copy then fails. From Mesa 25 on that is a BadDrawable that ends the
// program with status 1 after its work is done. So the toolkit's calls of
// glXDestroyContext come here first (this definition in the program stands
// before the GL library's): a current context is released while its window
// still exists, then destroyed by GL. Softpipe before Mesa 25 is left to the
// toolkit's order, the only one its clean-up survives there.
extern "C" void glXDestroyContext(Display* display, GLXContext context)
{
    using Destroy = void (*)(Display*, GLXContext);
    static const auto gl_destroy = reinterpret_cast<Destroy>(dlsym(RTLD_NEXT, "glXDestroyContext"));
    if (context != nullptr && context == glXGetCurrentContext()) {
        const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        const char* mesa = version ? std::strstr(version, "Mesa ") : nullptr;
        const bool old_softpipe = renderer && std::strstr(renderer, "softpipe") && mesa && std::atoi(mesa + 5) < 25;
        if (!old_softpipe)
            glXMakeCurrent(display, None, nullptr);
    }
    gl_destroy(display, context);
}
