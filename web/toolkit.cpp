// The web toolkit's side that the page drives (toolkit.h): its loop, once
// per animation frame of the browser (input, then a pending reshape and
// display, then one idle call, as the desktop toolkit alternates them), the
// hold on its idle calls, the window's size, the pointer's input, and the
// capture of a display pass (capture.h).
#include <GL/freeglut.h>
#include <GL/glu.h>
#include <GL/osmesa.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "capture.h"
#include "glut_state.h"
#include "page_bridge.h"
#include "toolkit.h"

#include <cstddef>
#include <string>
#include <vector>

using namespace glut_web;

namespace {

long capture_after = -1; // the idle calls after which a pass is to be captured; -1: none
std::string captured, state;
int buttons_down = 0; // a bit per toolkit button
int touch_button = 0; // the toolkit's button a touch or pen gives

// The page's hold on the idle calls, and what the loop has done.
bool paused = false, stopped = false;
int steps_allowed = 0;
long idle_call_count = 0, display_pass_count = 0;

void check_gl_errors()
{
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError())
        say("GL error: %s", reinterpret_cast<const char*>(gluErrorString(error)));
}

void hand_on(const Input& input)
{
    if (input.kind == Input::button && mouse_callback)
        mouse_callback(input.button_or_key, input.state, input.x, input.y);
    else if (input.kind == Input::motion && motion_callback)
        motion_callback(input.x, input.y);
    else if (input.kind == Input::key && keyboard_callback)
        keyboard_callback(static_cast<unsigned char>(input.button_or_key), input.x, input.y);
}

void display_pass()
{
    redisplay_pending = false;
    if (display_callback)
        display_callback();
    ++display_pass_count;
    if (gl_debug)
        check_gl_errors();
    if (!(display_mode & GLUT_DOUBLE))
        show(); // a browser shows whole frames: what was drawn, once drawn
}

void idle_call()
{
    ++idle_call_count;
    idle_callback();
}

// A capture is due once the idle calls it waits for have been made; a
// program with no idle callback makes none, and its next pass is the one.
bool capture_due() { return capture_after >= 0 && (idle_call_count >= capture_after || !idle_callback); }

} // namespace

namespace glut_web {

void show()
{
    glFinish();
    page::show(pixels.data(), width, height);
}

void resize_window(int w, int h)
{
    if (w <= 0 || h <= 0 || (w == width && h == height))
        return;
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * h * 4, 0);
    if (!OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, w, h))
        fail("cannot make the window's GL context current");
    OSMesaPixelStore(OSMESA_Y_UP, 0); // top row first, as the canvas takes it
    page::set_size(w, h);
    reshape_pending = redisplay_pending = true;
}

} // namespace glut_web

namespace toolkit {

bool loop_pass()
{
    if (stopped)
        return false;
    std::vector<Input> waiting;
    waiting.swap(inputs);
    for (const Input& input : waiting)
        hand_on(input);
    if (reshape_pending) {
        reshape_pending = false;
        if (reshape_callback)
            reshape_callback(width, height);
        else
            glViewport(0, 0, width, height);
    }
    // A capture waits here for the page to keep the memory as it stands
    // (capture_ready), then draws its pass (capture_pass) and holds.
    if (capture_due()) {
        redisplay_pending = true;
        return true;
    }
    if (redisplay_pending)
        display_pass();
    if (idle_callback && (!paused || steps_allowed > 0)) {
        if (paused)
            --steps_allowed;
        idle_call();
    }
    return true;
}

void hold(int steps)
{
    paused = true;
    steps_allowed = steps;
}

void run() { paused = false; }

void step()
{
    if (idle_callback)
        ++steps_allowed;
}

void stop()
{
    stopped = true;
    page::forget_pointer();
    emscripten_html5_remove_all_event_listeners();
}

void resize(int w, int h)
{
    if (context != nullptr && !stopped)
        resize_window(w, h);
}

// A mouse presses and releases its own buttons, several at once if the
// user chords them; a touch or a pen presses the chosen button while it
// touches. A change of buttons is a press or release of each that changed,
// at the pointer's place; a move with buttons held is motion. Nothing the
// window did not see pressed is released, and a move with nothing pressed
// on the window is nobody's motion, as the desktop toolkit has it.
void pointer(PointerEvent event, bool mouse, int dom_buttons, int x, int y)
{
    if (event == pointer_move && buttons_down == 0)
        return;
    int held = 0; // a pointer that goes up holds nothing
    if (event != pointer_up && mouse)
        held = (dom_buttons & 1) | (dom_buttons & 4 ? 2 : 0) | (dom_buttons & 2 ? 4 : 0);
    else if (event != pointer_up)
        held = event == pointer_down ? 1 << touch_button : buttons_down;
    if (held == buttons_down) {
        if (held != 0 && event == pointer_move)
            inputs.push_back({Input::motion, 0, 0, x, y});
        return;
    }
    for (int button = 0; button < 3; ++button) {
        const int bit = 1 << button;
        if ((held ^ buttons_down) & bit)
            inputs.push_back({Input::button, button, (held & bit) ? GLUT_DOWN : GLUT_UP, x, y});
    }
    buttons_down = held;
}

void choose_touch_button(int button)
{
    if (button >= 0 && button <= 2)
        touch_button = button;
}

void capture_after_idle_calls(long count) { capture_after = count < 0 ? idle_call_count : count; }
bool capture_ready() { return capture_due() && !stopped; }

void capture_pass()
{
    capture_after = -1;
    capture::start();
    display_pass();
    capture::finish();
    captured = capture::text();
    hold(0);
}

const char* captured_text() { return captured.c_str(); }

const char* draw_until(int call, int begin)
{
    capture::replay_until(call, begin);
    if (display_callback)
        display_callback();
    capture::end_replay();
    show(); // the buffer the pass draws into, as it stands after the call
    state = capture::state();
    return state.c_str();
}

bool idling() { return idle_callback != nullptr; }
long idle_calls() { return idle_call_count; }
long display_passes() { return display_pass_count; }

double time_frames(int frames)
{
    const double start = emscripten_get_now();
    for (int i = 0; i < frames && idle_callback; ++i) {
        idle_call();
        display_pass();
    }
    glFinish();
    return emscripten_get_now() - start;
}

} // namespace toolkit
