// The start-up sequence shared by every program.
#include "demo_frame.h"

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include "window_place.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Stands in for a command line that has no invocation name at all (argc 0).
char* bare_argv[2];

void apply_geometry(const WindowStep& step)
{
    if (step.kind == StepKind::position)
        glutInitWindowPosition(step.x, step.y);
    else if (step.kind == StepKind::size)
        glutInitWindowSize(step.x, step.y);
}

void register_callback(const Callback& callback)
{
    switch (callback.kind) {
    case CallbackKind::display: glutDisplayFunc(callback.plain); break;
    case CallbackKind::reshape: glutReshapeFunc(callback.pair); break;
    case CallbackKind::idle: glutIdleFunc(callback.plain); break;
    case CallbackKind::mouse: glutMouseFunc(callback.button); break;
    case CallbackKind::motion: glutMotionFunc(callback.pair); break;
    case CallbackKind::keyboard: glutKeyboardFunc(callback.key); break;
    case CallbackKind::none: break;
    }
}

// Mesa's software rasterizers read a single-buffered window back with
// XGetImage. When the window shrinks between the size they asked for and the
// read, the server answers BadMatch, and Xlib's default handler would end the
// program in the middle of a resize. What was read is about to be drawn
// again, so that one error is let pass; every other error goes to the
// handler that was there before, as it always did.
XErrorHandler earlier_handler = nullptr;

int pass_stale_readback(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadMatch && error->request_code == X_GetImage)
        return 0;
    return earlier_handler ? earlier_handler(display, error) : 0;
}

#if defined(__SANITIZE_ADDRESS__)
// The GL driver is unloaded at exit, and what only its globals pointed to
// would then look leaked; check for leaks while it is still loaded. Handlers
// run in reverse order of registration, so this one runs before the driver's.
void check_leaks_before_driver_unload() { __lsan_do_leak_check(); }
#endif

} // namespace

void demo_start(int& argc, char** argv, const ProgramSetup& setup)
{
    // A process may be started with no arguments, or with an empty argv[0];
    // the toolkit and the window title then get the program's own name. The
    // toolkit only reorders the vector, it never writes into the strings.
    char* own_name = const_cast<char*>(setup.name);
    if (argc < 1 || argv == nullptr || argv[0] == nullptr) {
        bare_argv[0] = own_name;
        argc = 1;
        argv = bare_argv;
    } else if (argv[0][0] == '\0') {
        argv[0] = own_name;
    }

    const PlaceOptions typed = place_options(argc, argv);
    glutInit(&argc, argv);
    earlier_handler = XSetErrorHandler(pass_stale_readback);
    if (setup.display_mode)
        glutInitDisplayMode(*setup.display_mode);
    const int gravity = place_window(typed, setup);
    for (const WindowStep& step : setup.geometry)
        apply_geometry(step);
    glutCreateWindow(setup.title ? setup.title : argv[0]);
    keep_gravity(gravity);
#if defined(__SANITIZE_ADDRESS__)
    std::atexit(check_leaks_before_driver_unload);
#endif
    for (const Callback& callback : setup.callbacks)
        register_callback(callback);
    if (setup.after_registration)
        setup.after_registration();
}

// Mesa's software rasterizers show a single-buffered window by copying its
// front buffer into it (an MIT-SHM PutImage), and once more when the context
// is released. The toolkit, closing a window, destroys the window's context
// while it is still current and then the window: the context lives on,
// bound to a window that is gone, until the display is closed, and its last
// copy then fails. From Mesa 25 on that is a BadDrawable that ends the
// program with status 1 after its work is done. So the toolkit's calls of
// glXDestroyContext come here first (this definition in the program stands
// before the GL library's): a current context is released while its window
// still exists, then destroyed by GL. Softpipe before Mesa 25 is left to the
// toolkit's order, the only one its clean-up survives there.
extern "C" void glXDestroyContext(Display* display, GLXContext context)
{
#if defined(__SANITIZE_ADDRESS__)
    // A window closed through the window manager tears the toolkit down
    // before exit, and closing the display next unloads the GL driver; look
    // for leaks now, as at exit, while it is still loaded.
    __lsan_do_leak_check();
#endif
    using Destroy = void (*)(Display*, GLXContext);
    static const auto gl_destroy = reinterpret_cast<Destroy>(dlsym(RTLD_NEXT, "glXDestroyContext"));
    if (context != nullptr && context == glXGetCurrentContext()) {
        const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        const char* mesa = version ? std::strstr(version, "Mesa ") : nullptr;
        const bool old_softpipe = renderer && std::strstr(renderer, "softpipe") && mesa && std::atoi(mesa + 5) < 25;
        if (!old_softpipe)
            glXMakeCurrent(display, None, nullptr);
    }
    gl_destroy(display, context);
}

int demo_main(int argc, char** argv, const ProgramSetup& setup)
{
    demo_start(argc, argv, setup);
    glutMainLoop();
    return 0;
}
