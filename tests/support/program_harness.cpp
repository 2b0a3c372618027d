#include "program_harness.h"

#include <GL/freeglut.h>

#include "sanitizers.h"

#if DEMO_ADDRESS_SANITIZER
#include <sanitizer/lsan_interface.h>
#endif

void start_program(const ProgramSetup& setup, const char* name, const char* argv0)
{
    ASSERT_TRUE(start_in_process(setup, name, {argv0 ? argv0 : name})) << "the window never came on the screen";
}

void resize(int width, int height)
{
    EXPECT_TRUE(resize_in_process(width, height)) << "the viewport never became " << width << " x " << height;
}

void idle_steps(const ProgramSetup& setup, int n)
{
    const auto idle = callback_of<IdleFunc>(setup);
    for (int i = 0; i < n; ++i)
        idle();
}

namespace {
void leave_event_loop(int)
{
#if DEMO_ADDRESS_SANITIZER
    // Leaving the loop tears down the toolkit and unloads the GL driver;
    // look for leaks now, while the driver's own pointers are still there.
    __lsan_do_leak_check();
#endif
    glutLeaveMainLoop();
}
} // namespace

void run_event_loop(double seconds)
{
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutTimerFunc(static_cast<unsigned>(seconds * 1000), leave_event_loop, 0);
    glutMainLoop();
}

testing::AssertionResult probe_rgb(int x, int y, Rgb expected, int tolerance)
{
    const Rgb observed = read_rgb(x, y);
    if (within(observed, expected, tolerance))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "at (" << x << ", " << y << ") expected " << expected << " observed "
                                       << observed << " (tolerance " << tolerance << ")";
}

int view_x(const View& view, double x)
{
    return static_cast<int>((x + view.half_width) / (2 * view.half_width) * window_width());
}

int view_y(const View& view, double y)
{
    return static_cast<int>((y + view.half_height) / (2 * view.half_height) * window_height());
}

Rgb read_view(const View& view, double x, double y) { return read_rgb(view_x(view, x), view_y(view, y)); }

testing::AssertionResult probe_view(const View& view, double x, double y, Rgb expected, int tolerance)
{
    return probe_rgb(view_x(view, x), view_y(view, y), expected, tolerance);
}
