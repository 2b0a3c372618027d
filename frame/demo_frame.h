// The start-up sequence every program shares, and the record that describes
// one program's window: display mode, geometry, title, callbacks and set-up.
#pragma once

#include <array>
#include <optional>

enum class CallbackKind { none, display, reshape, idle, mouse, motion, keyboard };

// One toolkit callback; exactly the pointer that matches its kind is set.
struct Callback {
    CallbackKind kind = CallbackKind::none;
    void (*plain)() = nullptr;                      // display, idle
    void (*pair)(int, int) = nullptr;               // reshape (w, h), motion (x, y)
    void (*button)(int, int, int, int) = nullptr;   // mouse (button, state, x, y)
    void (*key)(unsigned char, int, int) = nullptr; // keyboard (key, x, y)
};

constexpr Callback on_display(void (*f)()) { return {.kind = CallbackKind::display, .plain = f}; }
constexpr Callback on_idle(void (*f)()) { return {.kind = CallbackKind::idle, .plain = f}; }
constexpr Callback on_reshape(void (*f)(int, int)) { return {.kind = CallbackKind::reshape, .pair = f}; }
constexpr Callback on_motion(void (*f)(int, int)) { return {.kind = CallbackKind::motion, .pair = f}; }
constexpr Callback on_mouse(void (*f)(int, int, int, int)) { return {.kind = CallbackKind::mouse, .button = f}; }
constexpr Callback on_keyboard(void (*f)(unsigned char, int, int))
{
    return {.kind = CallbackKind::keyboard, .key = f};
}

enum class StepKind { none, position, size };

// One geometry call before the window is created: a position or a size, in pixels.
struct WindowStep {
    StepKind kind = StepKind::none;
    int x = 0; // left edge or width
    int y = 0; // top edge or height
};

constexpr WindowStep window_position(int x, int y) { return {StepKind::position, x, y}; }
constexpr WindowStep window_size(int width, int height) { return {StepKind::size, width, height}; }

struct ProgramSetup {
    const char* name = nullptr;             // the program's own name, the title when argv[0] is missing
    std::optional<unsigned> display_mode;   // unset: no glutInitDisplayMode call at all
    std::array<WindowStep, 2> geometry;     // applied in order; unused steps stay none
    const char* title = nullptr;            // nullptr: argv[0], the invocation name as typed
    std::array<Callback, 6> callbacks;      // registered in order; unused entries stay none
    void (*after_registration)() = nullptr; // one-time OpenGL set-up, run after registration
};

// Each program defines its own row; the shared entry point hands it to demo_main.
extern const ProgramSetup program;

// Start-up up to, not including, the event loop: initialise the toolkit from the
// command line, create the window, register the callbacks, run the set-up.
void demo_start(int& argc, char** argv, const ProgramSetup& setup);

// demo_start, then the toolkit's event loop, which does not return.
int demo_main(int argc, char** argv, const ProgramSetup& setup);
