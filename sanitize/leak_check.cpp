// Linked into every program, tool and test of the sanitizer builds, and into
// nothing else: LeakSanitizer's check, run while the GL driver is still
// loaded. The toolkit unloads the driver when it closes its display, at exit
// or once a window manager has closed the window, and what only the
// driver's globals pointed to would then look leaked.
#include <GL/freeglut.h>

#include <cstdlib>
#include <dlfcn.h>
#include <sanitizer/lsan_interface.h>

namespace {
void check_leaks() { __lsan_do_leak_check(); }
} // namespace

// Stands before the toolkit's own glutCreateWindow, and calls it. Once the
// window, and with it the driver, exists, the check is set to run before
// either teardown: exit handlers run in reverse order of registration, so
// this one runs before the driver's, and the toolkit calls a window's close
// callback before it destroys the window's context. The check runs once,
// whichever comes first.
extern "C" int glutCreateWindow(const char* title)
{
    using Create = int (*)(const char*);
    static const auto toolkit_create = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "glutCreateWindow"));
    const int window = toolkit_create(title);
    std::atexit(check_leaks);
    glutCloseFunc(check_leaks);
    return window;
}
