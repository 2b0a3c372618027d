// Starts a program, waits for its window, optionally presses keys and mouse
// buttons, and saves the window's picture as a PNG. Without a display it runs
// on a private Xvfb.
//
//   snapshot [--wait SECONDS] [--key KEYSYM] [--click BUTTON] [--drag DX,DY] ...
//            --out FILE.png -- PROGRAM [ARGUMENTS...]
//
// The options run in the order given, after the window has appeared.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "png_io.h"
#include "x_client.h"
#include "x_server.h"

namespace {

struct Action {
    std::string kind;
    std::string value;
};

void perform(Display* display, Window window, const Action& action)
{
    const WindowGeometry g = window_geometry(display, window);
    if (action.kind == "--wait") {
        std::this_thread::sleep_for(std::chrono::duration<double>(std::stod(action.value)));
    } else if (action.kind == "--key") {
        type_key(display, window, XStringToKeysym(action.value.c_str()));
    } else if (action.kind == "--click") {
        click(display, window, std::stoi(action.value), g.width / 2, g.height / 2);
    } else if (action.kind == "--drag") {
        int dx = 0, dy = 0;
        std::sscanf(action.value.c_str(), "%d,%d", &dx, &dy);
        pointer_to(display, window, g.width / 2, g.height / 2);
        button(display, 1, true);
        for (int step = 1; step <= 10; ++step)
            pointer_to(display, window, g.width / 2 + dx * step / 10, g.height / 2 + dy * step / 10);
        button(display, 1, false);
    }
}

int usage()
{
    std::fprintf(stderr, "usage: snapshot [--wait S] [--key KEYSYM] [--click BUTTON] [--drag DX,DY] ... "
                         "--out FILE.png -- PROGRAM [ARGUMENTS...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Action> actions;
    std::string out;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc)
            return usage();
        if (std::strcmp(argv[i], "--out") == 0)
            out = argv[i + 1];
        else
            actions.push_back({argv[i], argv[i + 1]});
    }
    if (out.empty() || i + 1 >= argc)
        return usage();
    const std::vector<std::string> program(argv + i + 1, argv + argc);

    ensure_display();
    Display* display = open_display();
    ProgramProcess process = launch(program[0], program);
    const Window window = find_any_window(display, 15.0);
    if (window == 0) {
        std::fprintf(stderr, "snapshot: %s opened no window\n%s", program[0].c_str(), read_stderr(process).c_str());
        stop(process);
        return 1;
    }
    move_window(display, window, 0, 0);
    for (const Action& action : actions)
        perform(display, window, action);
    const Image image = grab_window(display, window);
    stop(process);
    XCloseDisplay(display);
    if (!write_png(out, image)) {
        std::fprintf(stderr, "snapshot: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
