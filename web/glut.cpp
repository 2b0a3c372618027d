// The GLUT toolkit in a web page: the toolkit calls the programs and the
// frame make, over the page's canvas, with Mesa's OSMesa drawing into memory
// and each finished frame copied onto the canvas. One window, the canvas;
// keys reach the keyboard callback with the toolkit's codes, and the
// pointer the mouse's (toolkit.cpp). The toolkit's loop runs once per
// animation frame of the browser (toolkit.cpp); the page shows what the
// toolkit draws (page_bridge.h).
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

#include "glut_state.h"
#include "page_bridge.h"
#include "window_place.h"
#include "x_geometry.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace glut_web;

namespace {

// What glutInit and the glutInit* calls set for the window to come.
std::string program_name = "glut";
int init_x = -1, init_y = -1, init_width = toolkit_default_size, init_height = toolkit_default_size;
bool initialised = false;
double start_time = 0;

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

} // namespace

namespace glut_web {

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

} // namespace glut_web

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
