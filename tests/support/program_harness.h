// The in-process runner with the checks the rendering tests need: a program
// that does not start, a callback it lacks and a pixel off its colour fail
// the test with a message.
#pragma once

#include <gtest/gtest.h>

#include <GL/glut.h>

#include <string>
#include <type_traits>
#include <vector>

#include "demo_frame.h"
#include "in_process.h"
#include "mesa_quirks.h"
#include "pixel_tolerance.h"
#include "program_about.h"
#include "rgb.h"

// Starts the program called name as if invoked as argv0 (its name when nullptr).
void start_program(const ProgramSetup& setup, const char* name, const char* argv0 = nullptr);

// Resizes the window and waits until the toolkit has passed on the new size.
void resize(int width, int height);

// Stands in for a callback a row lacks: the test has failed already, and
// carries on without calling through a null pointer.
template <typename Function> struct DoNothing;
template <typename... Args> struct DoNothing<void(Args...)> {
    static void call(Args...) {}
};

// The row's function of the given kind (callback_of<MouseFunc>(program)). If
// the row has none the test fails, and what comes back does nothing.
template <typename Kind> auto callback_of(const ProgramSetup& setup) -> decltype(Kind::function)
{
    if (const Kind* found = find_callback<Kind>(setup))
        return found->function;
    ADD_FAILURE() << "the program makes no " << Kind::toolkit_call << " call";
    return DoNothing<std::remove_pointer_t<decltype(Kind::function)>>::call;
}

// Calls the program's idle callback n times, as the event loop would.
void idle_steps(const ProgramSetup& setup, int n);

// Runs the toolkit's own event loop, idle calls included, for the given time.
// The loop tears the toolkit down as it returns, so a test can run it once,
// and then reads only the program's state.
void run_event_loop(double seconds);

// Passes when every channel is within tolerance; the message gives the
// position, the expected and the observed colour.
testing::AssertionResult probe_rgb(int x, int y, Rgb expected, int tolerance = pixel_tolerance);

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
testing::AssertionResult probe_view(const View& view, double x, double y, Rgb expected,
                                    int tolerance = pixel_tolerance);

// Each test executable links one program's row as `program`, and its text. This fixture
// starts it and draws once; the helpers call its input callbacks.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(!program.display_mode || !(*program.display_mode & GLUT_DOUBLE));
        start_program(program, program_about.name);
        redraw();
    }
    // Input through the program's own callback, as the recorder gives it; a
    // program without the callback fails the test.
    static void give(const Cue& cue)
    {
        if (!takes(program, cue))
            ADD_FAILURE() << "the program makes no " << toolkit_call_for(cue) << " call";
        give_cue(program, cue);
    }
    // A key, and the repaint it may ask for.
    static void key(unsigned char k)
    {
        give({.frame = 0, .kind = Cue::key, .character = k});
        pump_events();
    }
    static void press(int button, int x = 0, int y = 0)
    {
        give({.frame = 0, .kind = Cue::press, .button = button, .x = x, .y = y});
    }
    static void release(int button, int x = 0, int y = 0)
    {
        give({.frame = 0, .kind = Cue::release, .button = button, .x = x, .y = y});
    }
};
