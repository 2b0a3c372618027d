// The aspect-preserving orthographic reshape.
#include "ortho_reshape.h"

#include "gl_headers.h"

OrthoBounds ortho_bounds(int w, int h, double extent)
{
    if (w <= h) {
        const double ratio = static_cast<double>(h) / w;
        return {-extent, extent, -extent * ratio, extent * ratio};
    }
    const double ratio = static_cast<double>(w) / h;
    return {-extent * ratio, extent * ratio, -extent, extent};
}

void ortho_reshape(int w, int h, double extent, bool reset)
{
    glViewport(0, 0, w, h);
    if (w > 0 && h > 0) {
        const OrthoBounds b = ortho_bounds(w, h, extent);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(b.left, b.right, b.bottom, b.top, -10.0, 10.0);
    }
    glMatrixMode(GL_MODELVIEW);
    if (reset)
        glLoadIdentity();
}
