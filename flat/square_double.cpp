// The turning red square drawn into a back buffer and swapped, so only
// finished frames show. No input.
#include "gl_headers.h"

#include "demo_frame.h"
#include "rotating_square.h"

namespace {

void display()
{
    draw_square_frame();
    glutSwapBuffers();
}

} // namespace

const ProgramSetup program{
    .name = "square_double",
    .display_mode = GLUT_RGB | GLUT_DOUBLE,
    .geometry = {window_size(500, 500), window_position(0, 0)},
    .callbacks = {on_idle(square_idle), on_display(display)},
};
