#include "x_server.h"

#include <X11/Xlib.h>

#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "deadline.h"
#include "x_client.h"

namespace {

XvfbServer private_server;
pid_t window_manager = -1;
pid_t compositor = -1;
std::string compositor_dir;

// Asks a helper (an X server, a window manager, a compositor) to end and
// waits for it; one that has not ended 10 s after its TERM is killed, so
// that the end of a test never waits on it for good.
void stop_child(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    if (!poll_until(10.0, [&] { return waitpid(pid, nullptr, WNOHANG) == pid; })) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

void stop_compositor()
{
    stop_child(compositor);
    std::filesystem::remove_all(compositor_dir);
}

void stop_private_server() { stop_xvfb(private_server); }

// Starts a helper program with its output silenced; it dies with this process.
pid_t start_quietly(const std::vector<std::string>& args)
{
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

void stop_window_manager() { stop_child(window_manager); }

// Reads the display number that Xvfb writes to its -displayfd pipe once it
// accepts connections.
std::string read_display_number(int fd)
{
    std::string number;
    const Deadline deadline(10.0);
    while (!deadline.passed()) {
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, 100) <= 0)
            continue;
        char c;
        const ssize_t n = read(fd, &c, 1);
        if (n <= 0)
            break;
        if (c == '\n')
            return number;
        number += c;
    }
    throw std::runtime_error("Xvfb did not report a display number (is the xvfb package installed?)");
}

} // namespace

XvfbServer start_xvfb()
{
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(pipe_fds[0]);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        const std::string fd = std::to_string(pipe_fds[1]);
        const std::string screen =
            std::to_string(private_screen_width) + "x" + std::to_string(private_screen_height) + "x24";
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe_fds[1]);
    XvfbServer server{pid, ":"};
    try {
        server.display += read_display_number(pipe_fds[0]);
    } catch (...) {
        close(pipe_fds[0]);
        stop_xvfb(server);
        throw;
    }
    close(pipe_fds[0]);
    return server;
}

void stop_xvfb(XvfbServer& server)
{
    stop_child(server.pid);
    server.pid = -1;
}

void use_private_display()
{
    const char* chosen = std::getenv("DEMO_TEST_DISPLAY");
    if (chosen != nullptr && chosen[0] != '\0') {
        setenv("DISPLAY", chosen, 1);
        return;
    }
    if (private_server.pid > 0 || compositor > 0)
        return;
    private_server = start_xvfb();
    std::atexit(stop_private_server);
    setenv("DISPLAY", private_server.display.c_str(), 1);
}

void start_window_manager()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        throw std::runtime_error("cannot open the X display for the window manager");
    window_manager = start_quietly({"openbox"});
    std::atexit(stop_window_manager);
    // Ready once it frames a window: a probe window of this process's own.
    const Window probe = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
    XMapWindow(display, probe);
    XSync(display, False);
    const bool managed = poll_until(10.0, [&] { return frame_extents(display, probe).has_value(); });
    XDestroyWindow(display, probe);
    XCloseDisplay(display);
    if (!managed)
        throw std::runtime_error("openbox did not start managing the screen (is the openbox package installed?)");
}

void use_xwayland_display()
{
    char dir[] = "/tmp/glut-demos-wayland.XXXXXX";
    if (mkdtemp(dir) == nullptr)
        throw std::runtime_error("cannot make a folder for the compositor");
    compositor_dir = dir;
    const std::string log = compositor_dir + "/weston.log";
    setenv("XDG_RUNTIME_DIR", dir, 1);
    compositor =
        start_quietly({"weston", "--backend=headless-backend.so", "--xwayland", "--socket=glut-demos", "--log=" + log});
    std::atexit(stop_compositor);
    // Weston names the X display it listens on in its log.
    const std::string said = "listening on display :";
    std::string number;
    poll_until(10.0, [&] {
        std::ifstream in(log);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const size_t at = text.find(said);
        if (at == std::string::npos)
            return false;
        for (size_t i = at + said.size(); i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            number += text[i];
        return !number.empty();
    });
    if (number.empty())
        throw std::runtime_error("weston did not start XWayland (are the weston and xwayland packages installed?)");
    setenv("DISPLAY", (":" + number).c_str(), 1);
}

bool on_xwayland() { return compositor > 0; }
