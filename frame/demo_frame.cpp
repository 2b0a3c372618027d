// The start-up sequence shared by every program.
#include "demo_frame.h"

#include "platform.h"
#include "window_place.h"

namespace {

// Stands in for a command line that has no invocation name at all (argc 0).
char* bare_argv[2];

// A row's step, in the screen's pixels at its scale.
void apply_geometry(const WindowStep& step, double scale)
{
    if (const auto* position = std::get_if<WindowPosition>(&step))
        glutInitWindowPosition(scaled(position->x, scale), scaled(position->y, scale));
    else if (const auto* size = std::get_if<WindowSize>(&step))
        glutInitWindowSize(scaled(size->width, scale), scaled(size->height, scale));
}

} // namespace

void demo_start(int& argc, char** argv, const ProgramSetup& setup, const char* name)
{
    // A process may be started with no arguments, or with an empty argv[0];
    // the toolkit and the window title then get the program's own name. The
    // toolkit only reorders the vector, it never writes into the strings.
    char* own_name = const_cast<char*>(name);
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
    align_to_corner(corner);
    for (const Callback& callback : setup.callbacks)
        std::visit([](const auto& kind) { kind.register_it(); }, callback);
    if (setup.after_registration)
        setup.after_registration();
}

int demo_main(int argc, char** argv, const ProgramSetup& setup, const char* name)
{
    demo_start(argc, argv, setup, name);
    glutMainLoop();
    return 0;
}
