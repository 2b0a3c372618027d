// The frame on Windows: the display a command line names, the monitor's
// scale, and the window's outer frame at a place measured from the right or
// bottom edge. Every program declares itself aware of each monitor's scale
// (windows/dpi_aware.manifest), so Windows does not stretch its window.
#include "platform.h"

#include "gl_headers.h"

#include <shellscalingapi.h>

#include <cstdio>
#include <cstdlib>

void prepare_platform(const PlaceOptions& typed, const char* program_name)
{
    // The toolkit takes DISPLAY, an X setting that Cygwin or Wine may leave
    // in the environment, for the name of a Windows display device, and only
    // warns when there is none of that name. The desktop's own display is
    // meant unless the command line names one.
    if (typed.display == nullptr) {
        _putenv("DISPLAY=");
        return;
    }
    // -display names a display device, as \\.\DISPLAY2; one that cannot be
    // opened ends the program, as a display that cannot be opened does on X.
    HDC device = CreateDCA(typed.display, nullptr, nullptr, nullptr);
    if (device == nullptr) {
        std::fprintf(stderr, "%s: failed to open display '%s'\n", program_name, typed.display);
        std::exit(1);
    }
    DeleteDC(device);
}

// The desktop places every window the toolkit does not.
bool manager_places_windows(const char*) { return true; }

// The scale of the primary monitor, where the toolkit opens a window: its
// effective DPI over 96 (144 at 150 %).
double screen_scale(const char*)
{
    UINT dpi_x = 96, dpi_y = 96;
    const HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (monitor == nullptr || GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y) != S_OK || dpi_x < 96)
        return 1.0;
    return dpi_x / 96.0;
}

void align_to_corner(Corner corner)
{
    if (corner == Corner::top_left)
        return;
    // The toolkit puts the outer frame's top-left corner at the place and
    // gives the drawing area inside it the size, so a place measured against
    // that size from the right or bottom edge leaves the frame's border and
    // caption past the edge. Moved by them, the frame's outer corner lands
    // where the offsets say.
    HWND window = WindowFromDC(wglGetCurrentDC());
    RECT outer{}, inner{};
    if (window == nullptr || !GetWindowRect(window, &outer) || !GetClientRect(window, &inner))
        return;
    const bool east = corner == Corner::top_right || corner == Corner::bottom_right;
    const bool south = corner == Corner::bottom_left || corner == Corner::bottom_right;
    const int dx = east ? (outer.right - outer.left) - inner.right : 0;
    const int dy = south ? (outer.bottom - outer.top) - inner.bottom : 0;
    if (dx != 0 || dy != 0)
        SetWindowPos(window, nullptr, outer.left - dx, outer.top - dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
