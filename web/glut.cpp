// The GLUT toolkit in a web page: the toolkit calls the programs and the
// frame make, over the page's canvas, with Mesa's OSMesa drawing into memory
// and each finished frame copied onto the canvas. One window, the canvas, at
// the program's size; mouse and keys reach the callbacks with the toolkit's
// codes and window coordinates; the toolkit's loop runs once per animation
// frame of the browser: input, then a pending reshape and display, then one
// idle call, as the desktop toolkit alternates them. The page may hold the
// idle calls (pause) and let them through one at a time (step), resize the
// window, and stop the program to start it afresh.
//
// Sizes a program asks for are in the pixels of a standard screen; the
// window has devicePixelRatio times as many device pixels each way, and GL
// draws at the device's resolution, as on a high-density desktop. Window
// sizes, reshape and pointer positions are in device pixels.
#include <GL/freeglut.h>
#include <GL/osmesa.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "x_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// The page's side: the screen's scale, the canvas's size, its title bar and
// its pixels. The page sets the size the canvas is shown at (onSize).
EM_JS(double, page_scale, (), { return window.devicePixelRatio || 1; });
EM_JS(void, page_set_size, (int width, int height), {
    Module.canvas.width = width;
    Module.canvas.height = height;
    if (Module.onSize)
        Module.onSize(width, height);
});
EM_JS(void, page_set_title, (const char* title), {
    if (Module.onTitle)
        Module.onTitle(UTF8ToString(title));
});
// Copies a frame, top row first, onto the canvas, through an image kept
// from frame to frame; GL's alpha is not the window's, which is opaque as on
// the desktop.
EM_JS(void, page_show, (const unsigned char* pixels, int width, int height), {
    let image = Module.shownImage;
    if (!image || image.width != width || image.height != height)
        image = Module.shownImage = new ImageData(width, height);
    image.data.set(HEAPU8.subarray(pixels, pixels + width * height * 4));
    const words = new Uint32Array(image.data.buffer);
    for (let i = 0; i < words.length; ++i)
        words[i] |= 0xff000000;
    Module.canvas.getContext('2d').putImageData(image, 0, 0);
    if (Module.onFrame)
        Module.onFrame();
});
// A point of the page (the mouse's) in the canvas's pixels, whatever size
// the page shows the canvas at.
EM_JS(int, page_canvas_x, (int page_x), {
    const box = Module.canvas.getBoundingClientRect();
    return Math.floor((page_x - box.left) * Module.canvas.width / (box.width || 1));
});
EM_JS(int, page_canvas_y, (int page_y), {
    const box = Module.canvas.getBoundingClientRect();
    return Math.floor((page_y - box.top) * Module.canvas.height / (box.height || 1));
});
// Runs the toolkit's loop at the browser's animation frames until the program
// has ended (an exit ends the runtime, ABORT) or the page has stopped it,
// and leaves main without
// ending the program, as Emscripten's "unwind" does.
EM_JS(void, page_run_loop, (), {
    function pass()
    {
        if (ABORT)
            return;
        try {
            if (!Module._glut_web_loop_pass())
                return;
        } catch (e) {
            if (e instanceof ExitStatus)
                return;
            throw e;
        }
        requestAnimationFrame(pass);
    }
    requestAnimationFrame(pass);
    throw "unwind";
});
EM_JS(int, page_screen_width, (), { return screen.width; });
EM_JS(int, page_screen_height, (), { return screen.height; });

namespace {

const char* const canvas = "#canvas";

// What glutInit and the glutInit* calls set for the window to come.
std::string program_name = "glut";
unsigned display_mode = GLUT_RGBA | GLUT_SINGLE | GLUT_DEPTH;
int init_x = -1, init_y = -1, init_width = 300, init_height = 300;
bool place_given = false, size_given = false, gl_debug = false, initialised = false;

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

// Input waits for the loop, which hands it on in the order it came.
struct Input {
    enum Kind { button, motion, key } kind;
    int button_or_key, state, x, y;
};
std::vector<Input> inputs;
int buttons_down = 0; // a bit per toolkit button

// The page's hold on the idle calls, and what the loop has done.
bool paused = false, stopped = false;
int steps_allowed = 0;
long idle_calls = 0, display_passes = 0;
double start_time = 0;

[[noreturn]] void fail(const char* message)
{
    std::fprintf(stderr, "freeglut (%s): %s\n", program_name.c_str(), message);
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
        size_given = true;
    }
    if (geometry.has_x)
        init_x = geometry.from_right ? geometry.x + page_screen_width() - init_width : geometry.x;
    if (geometry.has_y)
        init_y = geometry.from_bottom ? geometry.y + page_screen_height() - init_height : geometry.y;
    place_given = place_given || (geometry.has_x && geometry.has_y);
}

void show()
{
    glFinish();
    page_show(pixels.data(), width, height);
}

void check_gl_errors()
{
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError())
        std::fprintf(stderr, "freeglut (%s): GL error: %s\n", program_name.c_str(),
                     reinterpret_cast<const char*>(gluErrorString(error)));
}

EM_BOOL on_button(int type, const EmscriptenMouseEvent* event, void*)
{
    if (event->button < 0 || event->button > 2)
        return EM_FALSE;
    const int bit = 1 << event->button;
    const bool down = type == EMSCRIPTEN_EVENT_MOUSEDOWN;
    if (!down && !(buttons_down & bit))
        return EM_FALSE; // a release of a press that was not the canvas's
    buttons_down = down ? buttons_down | bit : buttons_down & ~bit;
    // The DOM's buttons 0, 1, 2 are left, middle, right, as the toolkit's are.
    inputs.push_back({Input::button, event->button, down ? GLUT_DOWN : GLUT_UP,
                      page_canvas_x(static_cast<int>(event->clientX)),
                      page_canvas_y(static_cast<int>(event->clientY))});
    return EM_TRUE;
}

EM_BOOL on_move(int, const EmscriptenMouseEvent* event, void*)
{
    if (buttons_down == 0)
        return EM_FALSE;
    inputs.push_back({Input::motion, 0, 0, page_canvas_x(static_cast<int>(event->clientX)),
                      page_canvas_y(static_cast<int>(event->clientY))});
    return EM_TRUE;
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
    ++display_passes;
    if (gl_debug)
        check_gl_errors();
    if (!(display_mode & GLUT_DOUBLE))
        show(); // a browser shows whole frames: what was drawn, once drawn
}

void idle_call()
{
    ++idle_calls;
    idle_callback();
}

// One pass of the toolkit's loop, once per animation frame.
void loop_pass()
{
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
    if (redisplay_pending)
        display_pass();
    if (idle_callback && (!paused || steps_allowed > 0)) {
        if (paused)
            --steps_allowed;
        idle_call();
    }
}

// A size the program asks for, in the device's pixels.
int scaled(int size) { return std::max(1, static_cast<int>(std::lround(size * page_scale()))); }

void make_buffer(int w, int h)
{
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * h * 4, 0);
    if (!OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, w, h))
        fail("cannot make the window's GL context current");
    OSMesaPixelStore(OSMESA_Y_UP, 0); // top row first, as the canvas takes it
    page_set_size(w, h);
}

} // namespace

// The page's controls, called from its script.
extern "C" {
EMSCRIPTEN_KEEPALIVE void glut_web_hold(int steps)
{
    paused = true;
    steps_allowed = steps;
}
EMSCRIPTEN_KEEPALIVE void glut_web_run() { paused = false; }
// One pass of the loop; 0 once the page has stopped the program.
EMSCRIPTEN_KEEPALIVE int glut_web_loop_pass()
{
    if (!stopped)
        loop_pass();
    return !stopped;
}
// The page has resized the window, as a user resizes a desktop window:
// the program's reshape runs, then its display.
EMSCRIPTEN_KEEPALIVE void glut_web_resize(int w, int h)
{
    if (context == nullptr || stopped || w <= 0 || h <= 0 || (w == width && h == height))
        return;
    make_buffer(w, h);
    reshape_pending = redisplay_pending = true;
}
// The page is done with this program: its loop ends and its input goes
// nowhere, so that a fresh start can take the canvas.
EMSCRIPTEN_KEEPALIVE void glut_web_stop()
{
    stopped = true;
    emscripten_html5_remove_all_event_listeners();
}
EMSCRIPTEN_KEEPALIVE void glut_web_step()
{
    if (idle_callback)
        ++steps_allowed;
}
EMSCRIPTEN_KEEPALIVE int glut_web_idling() { return idle_callback != nullptr; }
EMSCRIPTEN_KEEPALIVE long glut_web_idle_calls() { return idle_calls; }
EMSCRIPTEN_KEEPALIVE long glut_web_display_passes() { return display_passes; }
// For the benchmark: milliseconds that `frames` idle calls take, each with
// its display pass and its frame shown, run back to back.
EMSCRIPTEN_KEEPALIVE double glut_web_time_frames(int frames)
{
    const double start = emscripten_get_now();
    for (int i = 0; i < frames && idle_callback; ++i) {
        idle_call();
        display_pass();
    }
    glFinish();
    return emscripten_get_now() - start;
}
}

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
    place_given = x >= 0 && y >= 0;
}

void FGAPIENTRY glutInitWindowSize(int w, int h)
{
    init_width = w;
    init_height = h;
    size_given = w > 0 && h > 0;
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
    make_buffer(scaled(size_given ? init_width : 300), scaled(size_given ? init_height : 300));
    page_set_title(title);
    emscripten_set_mousedown_callback(canvas, nullptr, EM_TRUE, on_button);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, on_button);
    emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, on_move);
    emscripten_set_keydown_callback(canvas, nullptr, EM_TRUE, on_key);
    reshape_pending = redisplay_pending = true;
    return 1;
}

void FGAPIENTRY glutReshapeWindow(int w, int h)
{
    if (w <= 0 || h <= 0 || (w == width && h == height))
        return;
    make_buffer(w, h);
    reshape_pending = redisplay_pending = true;
}

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
    case GLUT_SCREEN_WIDTH: return page_screen_width();
    case GLUT_SCREEN_HEIGHT: return page_screen_height();
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
    default:
        std::fprintf(stderr, "freeglut (%s): glutGet(): missing enum handle %d\n", program_name.c_str(),
                     static_cast<int>(what));
        return -1;
    }
}

void FGAPIENTRY glutMainLoop()
{
    if (context == nullptr)
        fail("glutMainLoop called with no window");
    // The browser calls the loop at its animation frames; this call does
    // not return, as the desktop toolkit's does not.
    page_run_loop();
}
