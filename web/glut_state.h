// The web toolkit's state, which its two sides share: GLUT's calls, which
// the programs and the frame make (glut.cpp), and the loop, the hold and the
// input that the page drives (toolkit.cpp, through toolkit.h).
#pragma once

#include <GL/freeglut.h>
#include <GL/osmesa.h>

#include <string>
#include <vector>

namespace glut_web {

// What glutInitDisplayMode asked for, and -gldebug.
inline unsigned display_mode = GLUT_RGBA | GLUT_SINGLE | GLUT_DEPTH;
inline bool gl_debug = false;

// The window: its GL context and the memory it draws into.
inline OSMesaContext context = nullptr;
inline std::vector<unsigned char> pixels;
inline int width = 0, height = 0;

inline void (*display_callback)() = nullptr;
inline void (*reshape_callback)(int, int) = nullptr;
inline void (*idle_callback)() = nullptr;
inline void (*mouse_callback)(int, int, int, int) = nullptr;
inline void (*motion_callback)(int, int) = nullptr;
inline void (*keyboard_callback)(unsigned char, int, int) = nullptr;

inline bool reshape_pending = false, redisplay_pending = false;

// Input waits for the loop, which hands it on in the order it came.
struct Input {
    enum Kind { button, motion, key } kind;
    int button_or_key, state, x, y;
};
inline std::vector<Input> inputs;

// A message as the desktop toolkit words its own; fail ends the program
// with one.
void say(const char* format, ...);
[[noreturn]] void fail(const char* message);

// The window takes a new size: the program's reshape runs, then its display.
void resize_window(int width, int height);
// The buffer drawn into put on the canvas.
void show();

} // namespace glut_web
