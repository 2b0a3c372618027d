// Private X servers: the suite's tests and tools draw on an Xvfb of their own,
// never on the user's desktop.
#pragma once

#include <string>
#include <sys/types.h>

// An Xvfb started by this process; it ends with this process.
struct XvfbServer {
    pid_t pid = -1;
    std::string display; // ":N"
};

// The screen of the suite's private X servers, in pixels.
constexpr int private_screen_width = 2400, private_screen_height = 1400;

// Starts Xvfb on a free display number, one screen of the size above, and
// waits until it accepts connections.
XvfbServer start_xvfb();

// Stops the server and collects it.
void stop_xvfb(XvfbServer& server);

// Points DISPLAY at this process's own Xvfb, started on first use. Only when
// DEMO_TEST_DISPLAY names a display does it point DISPLAY there instead: the
// one way to run the tests on a server the suite did not start.
void use_private_display();

// Starts openbox, a reparenting window manager, on the display DISPLAY names
// and waits until it manages the screen; it ends with this process. The
// window-manager tests run the programs under it as on a desktop.
void start_window_manager();

// Points DISPLAY at XWayland instead: weston's headless compositor, started
// with an X server of its own, as on a Wayland desktop. It ends with this
// process; use_private_display then starts no Xvfb.
void use_xwayland_display();

// Whether use_xwayland_display has chosen XWayland for this process.
bool on_xwayland();
