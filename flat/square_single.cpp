// The turning red square drawn straight into the visible buffer, so partly
// drawn frames can show. No input.
#include "gl_headers.h"

#include "demo_frame.h"
#include "rotating_square.h"

const ProgramSetup program{
    .name = "square_single",
    .display_mode = GLUT_RGB | GLUT_SINGLE,
    .geometry = {window_size(500, 500), window_position(0, 0)},
    .callbacks = {on_idle(square_idle), on_display(draw_square_frame)},
};
