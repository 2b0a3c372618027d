// The start-up sequence every program shares, and the record that describes
// one program's window: display mode, geometry, title, callbacks and set-up.
#pragma once

#include <array>
#include <optional>
#include <variant>

#include "gl_headers.h"

// The kinds of toolkit callback a row registers, each named after the toolkit
// call that registers it and holding the program's function. A new kind is
// one more struct here, named in Callback below: the frame registers it, and
// the tools and tests find it by its type.
struct DisplayFunc {
    void (*function)();
    static constexpr const char* toolkit_call = "glutDisplayFunc";
    void register_it() const { glutDisplayFunc(function); }
};
struct ReshapeFunc {
    void (*function)(int width, int height);
    static constexpr const char* toolkit_call = "glutReshapeFunc";
    void register_it() const { glutReshapeFunc(function); }
};
struct IdleFunc {
    void (*function)();
    static constexpr const char* toolkit_call = "glutIdleFunc";
    void register_it() const { glutIdleFunc(function); }
};
struct MouseFunc {
    void (*function)(int button, int state, int x, int y);
    static constexpr const char* toolkit_call = "glutMouseFunc";
    void register_it() const { glutMouseFunc(function); }
};
struct MotionFunc {
    void (*function)(int x, int y);
    static constexpr const char* toolkit_call = "glutMotionFunc";
    void register_it() const { glutMotionFunc(function); }
};
struct KeyboardFunc {
    void (*function)(unsigned char key, int x, int y);
    static constexpr const char* toolkit_call = "glutKeyboardFunc";
    void register_it() const { glutKeyboardFunc(function); }
};
// An unused entry of a row's callbacks.
struct NoCallback {
    void register_it() const {}
};

using Callback = std::variant<NoCallback, DisplayFunc, ReshapeFunc, IdleFunc, MouseFunc, MotionFunc, KeyboardFunc>;

// One geometry call before the window is created, in pixels.
struct WindowPosition {
    int x, y; // the window's left and top edges
};
struct WindowSize {
    int width, height;
};
using WindowStep = std::variant<std::monostate, WindowPosition, WindowSize>;

struct ProgramSetup {
    std::optional<unsigned> display_mode; // unset: no glutInitDisplayMode call at all
    std::array<WindowStep, 2> geometry;   // applied in order; unused steps stay empty
    const char* title = nullptr;          // nullptr: argv[0], the invocation name as typed
    // Registered in order, each kind at most once; unused entries stay NoCallback.
    std::array<Callback, std::variant_size_v<Callback> - 1> callbacks;
    void (*after_registration)() = nullptr; // one-time OpenGL set-up, run after registration
};

// Each program defines its own row; the shared entry point hands it to demo_main.
extern const ProgramSetup program;

// The row's callback of the given kind (find_callback<MouseFunc>(program)), or nullptr.
template <typename Kind> const Kind* find_callback(const ProgramSetup& setup)
{
    for (const Callback& callback : setup.callbacks)
        if (const Kind* found = std::get_if<Kind>(&callback))
            return found;
    return nullptr;
}

// Start-up up to, not including, the event loop: initialise the toolkit from the
// command line, create the window, register the callbacks, run the set-up. The
// program's own name stands in for an invocation name that is missing or empty.
void demo_start(int& argc, char** argv, const ProgramSetup& setup, const char* name);

// demo_start, then the toolkit's event loop, which does not return.
int demo_main(int argc, char** argv, const ProgramSetup& setup, const char* name);
