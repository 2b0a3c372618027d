// The turning red square drawn straight into the visible buffer, so partly
// drawn frames can show. No input.
#include "gl_headers.h"

#include "demo_frame.h"
#include "rotating_square.h"

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_SINGLE,
    .geometry = {WindowSize{500, 500}, WindowPosition{0, 0}},
    .callbacks = {IdleFunc{square_idle}, DisplayFunc{draw_square_frame}},
};
