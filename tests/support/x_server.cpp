#include "x_server.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "deadline.h"

namespace {

pid_t server_pid = 0;

void stop_server()
{
    if (server_pid > 0) {
        kill(server_pid, SIGTERM);
        waitpid(server_pid, nullptr, 0);
        server_pid = 0;
    }
}

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
    throw std::runtime_error("Xvfb did not report a display number");
}

} // namespace

void ensure_display()
{
    const char* current = std::getenv("DISPLAY");
    if ((current != nullptr && current[0] != '\0') || server_pid > 0)
        return;

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
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "2400x1400x24", "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe_fds[1]);
    server_pid = pid;
    std::atexit(stop_server);
    const std::string number = read_display_number(pipe_fds[0]);
    close(pipe_fds[0]);
    setenv("DISPLAY", (":" + number).c_str(), 1);
}
