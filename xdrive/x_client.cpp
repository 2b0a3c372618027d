#include "x_client.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cerrno>
#include <cstdio>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "deadline.h"

namespace {

int decode_status(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

// The first window below parent, depth first, that match accepts, or 0.
template <typename Match> Window search_tree(Display* display, Window parent, Match match)
{
    Window root_return, parent_return;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root_return, &parent_return, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        if (match(children[i]))
            found = children[i];
        else
            found = search_tree(display, children[i], match);
    }
    if (children)
        XFree(children);
    return found;
}

// A window that vanished between two requests is not a failure of the test.
int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

} // namespace

ProgramProcess launch(const std::string& exe, const std::vector<std::string>& args,
                      const std::vector<std::string>& unset)
{
    int err_pipe[2];
    if (pipe(err_pipe) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(err_pipe[1], STDERR_FILENO);
        close(err_pipe[0]);
        close(err_pipe[1]);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        for (const std::string& name : unset)
            unsetenv(name.c_str());
        extern char** environ;
        execve(exe.c_str(), argv.data(), environ);
        _exit(127);
    }
    close(err_pipe[1]);
    fcntl(err_pipe[0], F_SETFL, O_NONBLOCK);
    return {pid, err_pipe[0]};
}

std::optional<int> wait_exit(ProgramProcess& process, double seconds)
{
    if (process.pid <= 0)
        return process.status;
    poll_until(seconds, [&] {
        int status = 0;
        if (waitpid(process.pid, &status, WNOHANG) == process.pid) {
            process.status = decode_status(status);
            process.pid = -1;
        }
        return process.status.has_value();
    });
    return process.status;
}

void stop(ProgramProcess& process)
{
    if (process.pid > 0) {
        kill(process.pid, SIGKILL);
        waitpid(process.pid, nullptr, 0);
        process.pid = -1;
    }
    if (process.stderr_fd >= 0) {
        close(process.stderr_fd);
        process.stderr_fd = -1;
    }
}

std::string read_stderr(ProgramProcess& process)
{
    std::string text;
    char buffer[512];
    ssize_t n;
    while (process.stderr_fd >= 0 && (n = read(process.stderr_fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    return text;
}

std::string window_title(Display* display, Window window)
{
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

Display* open_display()
{
    XSetErrorHandler(ignore_x_errors);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        throw std::runtime_error("cannot open the X display");
    return display;
}

Window find_window(Display* display, const std::string& title, double seconds)
{
    Window found = 0;
    poll_until(seconds, [&] {
        found = search_tree(display, DefaultRootWindow(display),
                            [&](Window w) { return window_title(display, w) == title; });
        return found != 0;
    });
    return found;
}

Window find_any_window(Display* display, double seconds)
{
    Window found = 0;
    poll_until(seconds, [&] {
        found = search_tree(display, DefaultRootWindow(display),
                            [&](Window w) { return !window_title(display, w).empty(); });
        return found != 0;
    });
    return found;
}

WindowGeometry window_geometry(Display* display, Window window)
{
    XWindowAttributes attributes{};
    bool exists = true;
    poll_until(5.0, [&] {
        exists = XGetWindowAttributes(display, window, &attributes) != 0;
        return !exists || attributes.map_state == IsViewable;
    });
    if (!exists)
        return {};
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

void move_window(Display* display, Window window, int x, int y)
{
    XMoveWindow(display, window, x, y);
    XSync(display, False);
    poll_until(5.0, [&] {
        const WindowGeometry g = window_geometry(display, window);
        return (g.x == x && g.y == y) || g.width == 0;
    });
}

void resize_window(Display* display, Window window, int width, int height)
{
    XResizeWindow(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(display, False);
}

namespace {

// A 32-bit client message about the window, sent to target as window
// managers and their clients send them.
void send_message(Display* display, Window target, Window window, const char* type, long first, long second)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    const long mask = target == window ? NoEventMask : SubstructureRedirectMask | SubstructureNotifyMask;
    XSendEvent(display, target, False, mask, &event);
    XSync(display, False);
}

} // namespace

void close_window(Display* display, Window window)
{
    send_message(display, window, window, "WM_PROTOCOLS",
                 static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False)), CurrentTime);
}

void close_through_manager(Display* display, Window window)
{
    send_message(display, DefaultRootWindow(display), window, "_NET_CLOSE_WINDOW", CurrentTime, 1);
}

std::optional<std::array<long, 4>> frame_extents(Display* display, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, "_NET_FRAME_EXTENTS", False), 0, 4, False, XA_CARDINAL,
                       &type, &format, &count, &after, &data);
    std::optional<std::array<long, 4>> extents;
    if (data != nullptr && format == 32 && count == 4) {
        const long* e = reinterpret_cast<const long*>(data);
        extents = std::array<long, 4>{e[0], e[1], e[2], e[3]};
    }
    if (data != nullptr)
        XFree(data);
    return extents;
}

WindowGeometry frame_geometry(Display* display, Window window)
{
    WindowGeometry g = window_geometry(display, window);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    const int border = attributes.border_width;
    g = {g.x - border, g.y - border, g.width + 2 * border, g.height + 2 * border};
    std::optional<std::array<long, 4>> extents;
    poll_until(5.0, [&] { return (extents = frame_extents(display, window)).has_value(); });
    if (extents) {
        const auto [left, right, top, bottom] = *extents;
        g = {g.x - static_cast<int>(left), g.y - static_cast<int>(top), g.width + static_cast<int>(left + right),
             g.height + static_cast<int>(top + bottom)};
    }
    return g;
}

Image grab_window(Display* display, Window window)
{
    const WindowGeometry g = window_geometry(display, window);
    Image image{g.width, g.height, {}};
    if (g.width <= 0 || g.height <= 0)
        return image;
    XImage* ximage = XGetImage(display, window, 0, 0, static_cast<unsigned>(g.width), static_cast<unsigned>(g.height),
                               AllPlanes, ZPixmap);
    if (ximage == nullptr)
        return image;
    // Channel masks of a TrueColor visual, 8 bits each.
    auto channel = [](unsigned long pixel, unsigned long mask) {
        int shift = 0;
        while (mask != 0 && (mask & 1) == 0) {
            mask >>= 1;
            ++shift;
        }
        return static_cast<int>((pixel >> shift) & 0xff);
    };
    image.pixels.reserve(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const unsigned long pixel = XGetPixel(ximage, x, y);
            image.pixels.push_back({channel(pixel, ximage->red_mask), channel(pixel, ximage->green_mask),
                                    channel(pixel, ximage->blue_mask)});
        }
    XDestroyImage(ximage);
    return image;
}

void pointer_to(Display* display, Window window, int x, int y)
{
    const WindowGeometry g = window_geometry(display, window);
    XTestFakeMotionEvent(display, DefaultScreen(display), g.x + x, g.y + y, CurrentTime);
    XSync(display, False);
}

void button(Display* display, int number, bool down)
{
    XTestFakeButtonEvent(display, static_cast<unsigned>(number), down ? True : False, CurrentTime);
    XSync(display, False);
}

void click(Display* display, Window window, int number, int x, int y)
{
    pointer_to(display, window, x, y);
    button(display, number, true);
    button(display, number, false);
}

void type_key(Display* display, Window window, unsigned long keysym, bool shifted)
{
    const WindowGeometry g = window_geometry(display, window);
    pointer_to(display, window, g.width / 2, g.height / 2);
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    const KeyCode code = XKeysymToKeycode(display, keysym);
    if (shifted)
        XTestFakeKeyEvent(display, shift, True, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (shifted)
        XTestFakeKeyEvent(display, shift, False, CurrentTime);
    XSync(display, False);
}

long resident_kilobytes(pid_t pid)
{
    std::FILE* status = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (status == nullptr)
        return -1;
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %ld kB", &kilobytes) == 1)
            break;
    std::fclose(status);
    return kilobytes;
}
