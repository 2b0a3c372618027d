// The start-up sequence shared by every program.
#include "demo_frame.h"

#include "gl_headers.h"
#include "platform.h"
#include "window_place.h"

#include <cstdlib>

#include "sanitizers.h"
#if DEMO_ADDRESS_SANITIZER
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Stands in for a command line that has no invocation name at all (argc 0).
char* bare_argv[2];

// A row's step, in the screen's pixels at its scale.
void apply_geometry(const WindowStep& step, double scale)
{
    if (step.kind == StepKind::position)
        glutInitWindowPosition(scaled(step.x, scale), scaled(step.y, scale));
    else if (step.kind == StepKind::size)
        glutInitWindowSize(scaled(step.x, scale), scaled(step.y, scale));
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

#if DEMO_ADDRESS_SANITIZER
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
    prepare_platform(typed, argv[0]);
    glutInit(&argc, argv);
    if (setup.display_mode)
        glutInitDisplayMode(*setup.display_mode);
    const double scale = screen_scale(typed.display);
    const Corner corner = place_window(typed, setup, scale);
    for (const WindowStep& step : setup.geometry)
        apply_geometry(step, scale);
    glutCreateWindow(setup.title ? setup.title : argv[0]);
    keep_corner(corner);
#if DEMO_ADDRESS_SANITIZER
    std::atexit(check_leaks_before_driver_unload);
#endif
    for (const Callback& callback : setup.callbacks)
        register_callback(callback);
    if (setup.after_registration)
        setup.after_registration();
}

int demo_main(int argc, char** argv, const ProgramSetup& setup)
{
    demo_start(argc, argv, setup);
    glutMainLoop();
    return 0;
}
