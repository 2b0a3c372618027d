// A square outline drawn as one 4-pixel-wide line loop dashed 4 pixels off,
// 4 on. No input; the toolkit's default window.
#include "gl_headers.h"

#include "demo_frame.h"

namespace {

// The stipple and width are set at every pass, though they never change.
void display()
{
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(1, 0xF0F0);
    glLineWidth(4.0f);
    glBegin(GL_LINE_LOOP);
    glVertex2f(-0.5f, -0.5f);
    glVertex2f(-0.5f, 0.5f);
    glVertex2f(0.5f, 0.5f);
    glVertex2f(0.5f, -0.5f);
    glEnd();
    glFlush();
}

} // namespace

const ProgramSetup program{
    .title = "line style",
    .callbacks = {DisplayFunc{display}},
};
