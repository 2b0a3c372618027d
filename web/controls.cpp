// What the page's script calls in the toolkit (page.js, and the bridge's
// pointer and loop): the page's controls, its counts and its benchmark.
#include <emscripten.h>
#include <unistd.h>

#include <cstdint>

#include "capture.h"
#include "toolkit.h"

extern "C" {

// One pass of the loop; 0 once the page has stopped the program.
EMSCRIPTEN_KEEPALIVE int glut_web_loop_pass() { return toolkit::loop_pass(); }

EMSCRIPTEN_KEEPALIVE void glut_web_pointer(int event, int mouse, int buttons, int x, int y)
{
    if (event >= toolkit::pointer_down && event <= toolkit::pointer_up)
        toolkit::pointer(static_cast<toolkit::PointerEvent>(event), mouse != 0, buttons, x, y);
}

// The strip: Pause holds the idle calls (with `steps` let through), Run
// lets them go, Step lets one more through; Restart and Start stop the
// program before a fresh one starts.
EMSCRIPTEN_KEEPALIVE void glut_web_hold(int steps) { toolkit::hold(steps); }
EMSCRIPTEN_KEEPALIVE void glut_web_run() { toolkit::run(); }
EMSCRIPTEN_KEEPALIVE void glut_web_step() { toolkit::step(); }
EMSCRIPTEN_KEEPALIVE void glut_web_stop() { toolkit::stop(); }

// The window's corner dragged, or the screen's scale changed: the window
// has width by height device pixels now.
EMSCRIPTEN_KEEPALIVE void glut_web_resize(int width, int height) { toolkit::resize(width, height); }

// The page's choice of the button a touch or a pen gives.
EMSCRIPTEN_KEEPALIVE void glut_web_touch_button(int button) { toolkit::choose_touch_button(button); }

EMSCRIPTEN_KEEPALIVE int glut_web_idling() { return toolkit::idling(); }
EMSCRIPTEN_KEEPALIVE long glut_web_idle_calls() { return toolkit::idle_calls(); }
EMSCRIPTEN_KEEPALIVE long glut_web_display_passes() { return toolkit::display_passes(); }

// A capture of the display pass after so many idle calls (-1: the next):
// asked for, made when the bridge's
// loop finds it ready, its text, and its picture and state after a call.
EMSCRIPTEN_KEEPALIVE void glut_web_capture(int idle_calls) { toolkit::capture_after_idle_calls(idle_calls); }
EMSCRIPTEN_KEEPALIVE int glut_web_capture_ready() { return toolkit::capture_ready(); }
EMSCRIPTEN_KEEPALIVE void glut_web_capture_pass() { toolkit::capture_pass(); }
EMSCRIPTEN_KEEPALIVE const char* glut_web_captured() { return toolkit::captured_text(); }
EMSCRIPTEN_KEEPALIVE unsigned glut_web_memory_in_use() { return reinterpret_cast<std::uintptr_t>(sbrk(0)); }
EMSCRIPTEN_KEEPALIVE int glut_web_open_primitive(int call) { return capture::open_primitive(call); }
EMSCRIPTEN_KEEPALIVE const char* glut_web_draw_until(int call, int begin) { return toolkit::draw_until(call, begin); }

// For the benchmark (tools/web_bench.mjs), not the page.
EMSCRIPTEN_KEEPALIVE double glut_web_time_frames(int frames) { return toolkit::time_frames(frames); }
}
