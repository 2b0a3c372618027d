// The GLUT toolkit in a web page: the toolkit calls the programs and the
// frame make, over the page's canvas, with Mesa's OSMesa drawing into memory
// and each finished frame copied onto the canvas. One window, the canvas;
// pointer and keys reach the callbacks with the toolkit's codes and window
// coordinates; the toolkit's loop runs once per animation frame of the
// browser: input, then a pending reshape and display, then one idle call, as
// the desktop toolkit alternates them. The page drives the loop and its hold
// through toolkit.h, and shows what the toolkit draws (page_bridge.h).
//
// Sizes a program asks for are in the pixels of a standard screen; the page
// shows the window at as many device pixels as it chooses (the screen's
// scale, within the room and the pixels it has), and GL draws at those, as
// on a high-density desktop. Window sizes, reshape and pointer positions
// are in device pixels.
#include <GL/freeglut.h>
#include <GL/osmesa.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "capture.h"
#include "page_bridge.h"
#include "toolkit.h"
#include "window_place.h"
#include "x_geometry.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What glutInit and the glutInit* calls set for the window to come.
std::string program_name = "glut";
unsigned display_mode = GLUT_RGBA | GLUT_SINGLE | GLUT_DEPTH;
int init_x = -1, init_y = -1, init_width = toolkit_default_size, init_height = toolkit_default_size;
bool gl_debug = false, initialised = false;

// The window: its GL context and the memory it draws into.
OSMesaContext context = nullptr;
std::vector<unsigned char> pixels;
int width = 0, height = 0;

void (*display_callback)() = nullptr;
void (*reshape_callback)(int, int) = nullptr;
void (*idle_callback)() = nullptr;
void (*mouse_callback)(int, int, int, int) = nullptr;
void (*motion_callback)(int, int) = nullptr;
void (*keyboard_callback)(unsigned char, int, int) = nullptr;

bool reshape_pending = false, redisplay_pending = false;
long capture_after = -1; // the idle calls after which a pass is to be captured; -1: none
std::string captured, state;

// Input waits for the loop, which hands it on in the order it came.
struct Input {
    enum Kind { button, motion, key } kind;
    int button_or_key, state, x, y;
};
std::vector<Input> inputs;
int buttons_down = 0; // a bit per toolkit button
int touch_button = 0; // the toolkit's button a touch or pen gives

// The page's hold on the idle calls, and what the loop has done.
bool paused = false, stopped = false;
int steps_allowed = 0;
long idle_call_count = 0, display_pass_count = 0;
double start_time = 0;

// A message as the desktop toolkit words its own.
void say(const char* format, ...)
{
    std::fprintf(stderr, "freeglut (%s): ", program_name.c_str());
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
}

[[noreturn]] void fail(const char* message)
{
    say("%s", message);
    std::exit(1);
}

// -geometry as the desktop toolkit reads it: a size given whole, a place
// given whole, an offset from the right or bottom against that size.
void use_geometry(const char* text)
{
    const TypedGeometry geometry = parse_geometry(text);
    if (geometry.has_size()) {
        init_width = static_cast<int>(geometry.width);
        init_height = static_cast<int>(geometry.height);
    }
    if (geometry.has_x)
        init_x = geometry.from_right ? geometry.x + page::screen_width() - init_width : geometry.x;
    if (geometry.has_y)
        init_y = geometry.from_bottom ? geometry.y + page::screen_height() - init_height : geometry.y;
}

void show()
{
    glFinish();
    page::show(pixels.data(), width, height);
}

void check_gl_errors()
{
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError())
        say("GL error: %s", reinterpret_cast<const char*>(gluErrorString(error)));
}

// The character a key types, as X's key lookup gives it; 0 for none.
unsigned char key_character(const EmscriptenKeyboardEvent* event)
{
    const char* key = event->key;
    if (std::strcmp(key, "Escape") == 0)
        return 27;
    if (std::strcmp(key, "Enter") == 0)
        return 13;
    if (std::strcmp(key, "Backspace") == 0)
        return 8;
    if (std::strcmp(key, "Delete") == 0)
        return 127;
    if (key[0] == '\0' || key[1] != '\0' || static_cast<unsigned char>(key[0]) >= 128)
        return 0;
    if (event->ctrlKey && ((key[0] >= '@' && key[0] <= '_') || (key[0] >= 'a' && key[0] <= 'z')))
        return static_cast<unsigned char>(key[0] & 0x1f);
    return static_cast<unsigned char>(key[0]);
}

EM_BOOL on_key(int, const EmscriptenKeyboardEvent* event, void*)
{
    const unsigned char character = key_character(event);
    if (character == 0 || keyboard_callback == nullptr)
        return EM_FALSE;
    inputs.push_back({Input::key, character, 0, 0, 0});
    return EM_TRUE;
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

// The window takes a new size: the program's reshape runs, then its display.
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

// A capture is due once the idle calls it waits for have been made; a
// program with no idle callback makes none, and its next pass is the one.
bool capture_due() { return capture_after >= 0 && (idle_call_count >= capture_after || !idle_callback); }

} // namespace

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

void FGAPIENTRY glutInit(int* argc, char** argv)
{
    if (initialised)
        fail("illegal glutInit() reinitialization attempt");
    initialised = true;
    start_time = emscripten_get_now();
    if (*argc > 0 && argv[0] != nullptr && argv[0][0] != '\0')
        program_name = argv[0];
    // The toolkit's options, taken out of the command line; on a page there
    // is one display and no direct or indirect rendering, so -display,
    // -direct, -indirect, -iconic and -sync are read and change nothing.
    const char* geometry = nullptr;
    bool direct = false, indirect = false;
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "-display") == 0 || std::strcmp(option, "-geometry") == 0) {
            if (i + 1 >= *argc)
                fail(option[1] == 'd' ? "-display parameter must be followed by display name"
                                      : "-geometry parameter must be followed by window geometry settings");
            if (option[1] == 'g')
                geometry = argv[i + 1];
            ++i;
        } else if (std::strcmp(option, "-direct") == 0 || std::strcmp(option, "-indirect") == 0) {
            (option[1] == 'd' ? direct : indirect) = true;
            if (direct && indirect)
                fail("parameters ambiguity, -direct and -indirect cannot be both specified");
        } else if (std::strcmp(option, "-gldebug") == 0) {
            gl_debug = true;
        } else if (std::strcmp(option, "-iconic") != 0 && std::strcmp(option, "-sync") != 0) {
            argv[kept++] = argv[i];
        }
    }
    *argc = kept;
    argv[kept] = nullptr;
    if (geometry)
        use_geometry(geometry);
}

void FGAPIENTRY glutInitDisplayMode(unsigned int mode) { display_mode = mode; }

void FGAPIENTRY glutInitWindowPosition(int x, int y)
{
    init_x = x;
    init_y = y;
}

void FGAPIENTRY glutInitWindowSize(int w, int h)
{
    init_width = w;
    init_height = h;
}

int FGAPIENTRY glutCreateWindow(const char* title)
{
    if (context != nullptr)
        fail("this page holds one window");
    const GLint depth = (display_mode & GLUT_DEPTH) ? 24 : 0;
    const GLint stencil = (display_mode & GLUT_STENCIL) ? 8 : 0;
    const GLint accumulation = (display_mode & GLUT_ACCUM) ? 16 : 0;
    context = OSMesaCreateContextExt(OSMESA_RGBA, depth, stencil, accumulation, nullptr);
    if (context == nullptr)
        fail("cannot create a GL context");
    const bool sized = init_width > 0 && init_height > 0;
    int w = sized ? init_width : toolkit_default_size, h = sized ? init_height : toolkit_default_size;
    page::window_size(w, h);
    resize_window(w, h);
    page::set_title(title);
    page::listen_to_pointer();
    page::keep_captures();
    emscripten_set_keydown_callback("#canvas", nullptr, EM_TRUE, on_key);
    return 1;
}

void FGAPIENTRY glutReshapeWindow(int w, int h) { resize_window(w, h); }

void FGAPIENTRY glutDisplayFunc(void (*callback)()) { display_callback = callback; }
void FGAPIENTRY glutReshapeFunc(void (*callback)(int, int)) { reshape_callback = callback; }
void FGAPIENTRY glutIdleFunc(void (*callback)()) { idle_callback = callback; }
void FGAPIENTRY glutMouseFunc(void (*callback)(int, int, int, int)) { mouse_callback = callback; }
void FGAPIENTRY glutMotionFunc(void (*callback)(int, int)) { motion_callback = callback; }
void FGAPIENTRY glutKeyboardFunc(void (*callback)(unsigned char, int, int)) { keyboard_callback = callback; }

void FGAPIENTRY glutPostRedisplay() { redisplay_pending = true; }

void FGAPIENTRY glutSwapBuffers()
{
    if (display_mode & GLUT_DOUBLE)
        show();
}

int FGAPIENTRY glutGet(GLenum what)
{
    switch (what) {
    case GLUT_SCREEN_WIDTH: return page::screen_width();
    case GLUT_SCREEN_HEIGHT: return page::screen_height();
    case GLUT_WINDOW_X:
    case GLUT_WINDOW_Y: return 0;
    case GLUT_WINDOW_WIDTH: return width;
    case GLUT_WINDOW_HEIGHT: return height;
    case GLUT_WINDOW_DOUBLEBUFFER: return (display_mode & GLUT_DOUBLE) ? 1 : 0;
    case GLUT_INIT_WINDOW_X: return init_x;
    case GLUT_INIT_WINDOW_Y: return init_y;
    case GLUT_INIT_WINDOW_WIDTH: return init_width;
    case GLUT_INIT_WINDOW_HEIGHT: return init_height;
    case GLUT_INIT_DISPLAY_MODE: return static_cast<int>(display_mode);
    case GLUT_ELAPSED_TIME: return static_cast<int>(emscripten_get_now() - start_time);
    default: say("glutGet(): missing enum handle %d", static_cast<int>(what)); return -1;
    }
}

void FGAPIENTRY glutMainLoop()
{
    if (context == nullptr)
        fail("glutMainLoop called with no window");
    // The browser calls the loop at its animation frames; this call does
    // not return, as the desktop toolkit's does not.
    page::run_loop();
}
