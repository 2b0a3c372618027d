// The toolkit's solid sphere, unlit, in red: a flat decagon. No input.
#include "gl_headers.h"

#include "demo_frame.h"

namespace {

void display()
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 0, 0);
    glutSolidSphere(0.75, 10, 10);
    glutSwapBuffers();
}

} // namespace

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH,
    .callbacks = {DisplayFunc{display}},
};
