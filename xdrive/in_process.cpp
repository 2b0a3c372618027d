#include "in_process.h"

#include <GL/freeglut.h>
#include <GL/glx.h>

#include "deadline.h"
#include "x_server.h"

namespace {

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

bool takes(const ProgramSetup& setup, const Cue& cue)
{
    switch (cue.kind) {
    case Cue::key: return find_callback<KeyboardFunc>(setup) != nullptr;
    case Cue::motion: return find_callback<MotionFunc>(setup) != nullptr;
    default: return find_callback<MouseFunc>(setup) != nullptr;
    }
}

void give_cue(const ProgramSetup& setup, const Cue& cue)
{
    if (cue.kind == Cue::key) {
        if (const auto* keyboard = find_callback<KeyboardFunc>(setup))
            keyboard->function(cue.character, cue.x, cue.y);
    } else if (cue.kind == Cue::motion) {
        if (const auto* motion = find_callback<MotionFunc>(setup))
            motion->function(cue.x, cue.y);
    } else if (const auto* mouse = find_callback<MouseFunc>(setup)) {
        mouse->function(cue.button, cue.kind == Cue::press ? GLUT_DOWN : GLUT_UP, cue.x, cue.y);
    }
}

const char* toolkit_call_for(const Cue& cue)
{
    switch (cue.kind) {
    case Cue::key: return KeyboardFunc::toolkit_call;
    case Cue::motion: return MotionFunc::toolkit_call;
    default: return MouseFunc::toolkit_call;
    }
}

bool start_in_process(const ProgramSetup& setup, const char* name, const std::vector<std::string>& args)
{
    use_private_display();
    // The toolkit keeps pointers into the vector for the life of the process.
    static std::vector<std::string> strings;
    static std::vector<char*> argv;
    strings = args;
    argv.clear();
    for (std::string& arg : strings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(strings.size());
    demo_start(argc, argv.data(), setup, name);
    const bool shown = poll_until(10.0, [] {
        pump_events();
        return window_viewable();
    });
    pump_events();
    return shown;
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

bool resize_in_process(int width, int height)
{
    glutReshapeWindow(width, height);
    return poll_until(5.0, [&] {
        pump_events();
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        return viewport[2] == width && viewport[3] == height;
    });
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
