// Runs a program's real start-up inside the test process, without entering
// the event loop, and reads back what it drew.
#pragma once

#include <gtest/gtest.h>

#include <GL/glut.h>

#include "demo_frame.h"
#include "rgb.h"

// Starts the program as if invoked as argv0: toolkit, window, callbacks and
// set-up, then handles events until the window is on the screen.
void start_program(const ProgramSetup& setup, const char* argv0 = nullptr);

// Handles every pending window-system event and the work it causes.
void pump_events();

// Requests a redisplay and lets the toolkit run the display pass.
void redraw();

// Resizes the window and waits until the toolkit has passed on the new size.
void resize(int width, int height);

// The row's callback of the given kind (the test fails if there is none).
const Callback& callback_of(const ProgramSetup& setup, CallbackKind kind);

// Calls the program's idle callback n times, as the event loop would.
void idle_steps(const ProgramSetup& setup, int n);

// Runs the toolkit's own event loop, idle calls included, for the given time.
// The loop tears the toolkit down as it returns, so a test can run it once,
// and then reads only the program's state.
void run_event_loop(double seconds);

int window_width();
int window_height();

// A pixel of the buffer the program draws into (the back buffer of a
// double-buffered window, else the front), x from the left, y from the bottom.
Rgb read_rgb(int x, int y);

// The whole drawing buffer, rows from the top.
Image read_image();

// Passes when every channel is within tolerance; the message gives the
// position, the expected and the observed colour.
testing::AssertionResult probe_rgb(int x, int y, Rgb expected, int tolerance = 8);

// What the window shows: -half_width..half_width across it and
// -half_height..half_height up it, as an orthographic view or device
// coordinates (1, 1) give.
struct View {
    double half_width = 1, half_height = 1;
};

// The pixel where a view coordinate lands in the window as it is now.
int view_x(const View& view, double x);
int view_y(const View& view, double y);

Rgb read_view(const View& view, double x, double y);
testing::AssertionResult probe_view(const View& view, double x, double y, Rgb expected, int tolerance = 8);

// Each test executable links one program's row as `program`. This fixture
// starts it and draws once; the helpers call its input callbacks.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        start_program(program);
        redraw();
    }
    // A key, and the repaint it may ask for.
    static void key(unsigned char k)
    {
        callback_of(program, CallbackKind::keyboard).key(k, 0, 0);
        pump_events();
    }
    static void press(int button, int x = 0, int y = 0)
    {
        callback_of(program, CallbackKind::mouse).button(button, GLUT_DOWN, x, y);
    }
    static void release(int button, int x = 0, int y = 0)
    {
        callback_of(program, CallbackKind::mouse).button(button, GLUT_UP, x, y);
    }
};
