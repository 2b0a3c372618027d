// What the GL implementation under test is known to get wrong, so the tests
// that meet it can say so instead of failing on it.
#pragma once

#include <GL/glx.h>
#include <GL/glxext.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <string>

#include "x_server.h"

inline bool on_softpipe()
{
    const char* driver = std::getenv("GALLIUM_DRIVER");
    return driver != nullptr && std::string(driver) == "softpipe";
}

// Mesa's major version as its GLX_MESA_query_renderer extension gives it,
// which needs no context; 0 where that cannot be told.
inline unsigned mesa_major_version()
{
    use_private_display();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 0;
    const auto query = reinterpret_cast<PFNGLXQUERYRENDERERINTEGERMESAPROC>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXQueryRendererIntegerMESA")));
    // The GL library picks the screen's implementation on the first query.
    glXQueryExtensionsString(display, DefaultScreen(display));
    unsigned version[3] = {};
    if (query == nullptr || !query(display, DefaultScreen(display), 0, GLX_RENDERER_VERSION_MESA, version))
        version[0] = 0;
    XCloseDisplay(display);
    return version[0];
}

// Softpipe cannot destroy the context of a single-buffered window once it
// has shown it, on Mesa 25 and, on XWayland, on Mesa 22.3 too: its last copy
// of the front buffer goes to the drawable it has already let go, and the
// process ends in a double free, a crash or an X error on a stale drawable,
// whatever order the context is released and destroyed in. A test whose
// process must end cleanly with such a window skips there; the llvmpipe pass
// runs it.
inline bool softpipe_cannot_end_single_buffered()
{
    return on_softpipe() && (mesa_major_version() >= 25 || on_xwayland());
}

#define SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(single_buffered)                                                \
    if (softpipe_cannot_end_single_buffered() && (single_buffered))                                                    \
    GTEST_SKIP() << "softpipe crashes here destroying a single-buffered window's context at exit (a double free "      \
                    "or a copy to a stale drawable); the llvmpipe pass runs this test"
