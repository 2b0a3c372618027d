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
    .display_mode = GLUT_RGB | GLUT_DOUBLE,
    .geometry = {WindowSize{500, 500}, WindowPosition{0, 0}},
    .callbacks = {IdleFunc{square_idle}, DisplayFunc{display}},
};
