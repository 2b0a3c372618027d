#include "program_harness.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "deadline.h"
#include "x_server.h"

namespace {

// Window coordinates from the bottom-left corner, as glReadPixels takes them.
void select_read_buffer()
{
    glReadBuffer(glutGet(GLUT_WINDOW_DOUBLEBUFFER) ? GL_BACK : GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
}

bool window_viewable()
{
    XWindowAttributes attributes{};
    return XGetWindowAttributes(glXGetCurrentDisplay(), glXGetCurrentDrawable(), &attributes) &&
           attributes.map_state == IsViewable;
}

} // namespace

void start_program(const ProgramSetup& setup, const char* argv0)
{
    ensure_display();
    static char name[256];
    snprintf(name, sizeof name, "%s", argv0 ? argv0 : setup.name);
    static char* argv[] = {name, nullptr};
    int argc = 1;
    demo_start(argc, argv, setup);
    ASSERT_TRUE(poll_until(10.0, [] {
        pump_events();
        return window_viewable();
    })) << "the window never came on the screen";
    pump_events();
}

void pump_events()
{
    Display* display = glXGetCurrentDisplay();
    XSync(display, False);
    do {
        glutMainLoopEvent();
    } while (XPending(display));
    glFinish();
}

void redraw()
{
    glutPostRedisplay();
    pump_events();
}

void resize(int width, int height)
{
    glutReshapeWindow(width, height);
    EXPECT_TRUE(poll_until(5.0,
                           [&] {
                               pump_events();
                               GLint viewport[4];
                               glGetIntegerv(GL_VIEWPORT, viewport);
                               return viewport[2] == width && viewport[3] == height;
                           }))
        << "the viewport never became " << width << " x " << height;
}

const Callback& callback_of(const ProgramSetup& setup, CallbackKind kind)
{
    for (const Callback& callback : setup.callbacks)
        if (callback.kind == kind)
            return callback;
    ADD_FAILURE() << "the program registers no callback of that kind";
    static const Callback none;
    return none;
}

void idle_steps(const ProgramSetup& setup, int n)
{
    const Callback& idle = callback_of(setup, CallbackKind::idle);
    for (int i = 0; i < n; ++i)
        idle.plain();
}

namespace {
void leave_event_loop(int)
{
#if defined(__SANITIZE_ADDRESS__)
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

int window_width() { return glutGet(GLUT_WINDOW_WIDTH); }
int window_height() { return glutGet(GLUT_WINDOW_HEIGHT); }

Rgb read_rgb(int x, int y)
{
    select_read_buffer();
    unsigned char pixel[3] = {};
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    return {pixel[0], pixel[1], pixel[2]};
}

Image read_image()
{
    select_read_buffer();
    const int w = window_width(), h = window_height();
    std::vector<unsigned char> data(static_cast<size_t>(w) * h * 3);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, data.data());
    Image image{w, h, {}};
    image.pixels.reserve(static_cast<size_t>(w) * h);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = &data[(static_cast<size_t>(y) * w + x) * 3];
            image.pixels.push_back({p[0], p[1], p[2]});
        }
    return image;
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
