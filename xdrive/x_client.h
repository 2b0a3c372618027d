// Drives a real program from outside: starts it, finds its window by title,
// sends X input through XTest and reads the window's pixels.
#pragma once

#include <X11/Xlib.h>

#include <array>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "rgb.h"

struct ProgramProcess {
    pid_t pid = -1;
    int stderr_fd = -1;        // the program's standard error, read with read_stderr
    std::optional<int> status; // how it ended, once wait_exit has seen it end
};

// Starts exe with args as its argument vector (args[0] is argv[0]; an empty
// list starts it with no arguments at all). The program dies with the caller.
// Variables named in unset are removed from the environment it inherits.
ProgramProcess launch(const std::string& exe, const std::vector<std::string>& args,
                      const std::vector<std::string>& unset = {});

// The exit status once the program has ended, or nothing if it still runs
// when the time is up. A program killed by a signal reports 128 + signal; an
// ended program reports the same status every time it is asked.
std::optional<int> wait_exit(ProgramProcess& process, double seconds);

// Kills the program if it still runs and collects it.
void stop(ProgramProcess& process);

// Everything the program wrote to standard error so far.
std::string read_stderr(ProgramProcess& process);

struct WindowGeometry {
    int x = 0, y = 0, width = 0, height = 0;
};

Display* open_display();

// The window's title (its WM_NAME), or empty.
std::string window_title(Display* display, Window window);

// The top-level window titled exactly title, or 0 if none appears in time.
Window find_window(Display* display, const std::string& title, double seconds);

// The first named top-level window that appears, or 0: on a private X server
// where one program runs, that program's window.
Window find_any_window(Display* display, double seconds);

// Waits until the window is mapped and reports its size and place on the
// screen; a window that does not exist (any more) reports zero at once.
WindowGeometry window_geometry(Display* display, Window window);

// Places the window at (x, y) so that all of it can be read.
void move_window(Display* display, Window window, int x, int y);

void resize_window(Display* display, Window window, int width, int height);

// Asks the window's program to close it, as a window manager does when the
// user closes the window: a WM_DELETE_WINDOW message of the WM_PROTOCOLS kind.
void close_window(Display* display, Window window);

// Asks the window manager to close the window, as its close button does
// (EWMH's _NET_CLOSE_WINDOW); the manager then asks the program.
void close_through_manager(Display* display, Window window);

// The decorations a window manager put round the window, as it reports them
// (_NET_FRAME_EXTENTS): left, right, top, bottom; nothing while it has not.
std::optional<std::array<long, 4>> frame_extents(Display* display, Window window);

// Where the window's frame lies on the screen: the window and its border,
// widened by the decorations the window manager reports (_NET_FRAME_EXTENTS).
WindowGeometry frame_geometry(Display* display, Window window);

// The window's pixels; an empty picture for a window that is gone.
Image grab_window(Display* display, Window window);

// Real input: pointer to a place in the window, button presses, keys.
void pointer_to(Display* display, Window window, int x, int y);
void button(Display* display, int number, bool down);
void click(Display* display, Window window, int number, int x, int y);
// Keys go to the window under the pointer, so the pointer moves into it first.
void type_key(Display* display, Window window, unsigned long keysym, bool shifted = false);

// The resident memory of a running process, in kilobytes.
long resident_kilobytes(pid_t pid);
