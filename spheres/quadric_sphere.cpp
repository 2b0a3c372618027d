// A white wire-frame sphere drawn through a GLU quadric, seen from its pole.
// No input.
#include "gl_headers.h"

#include "demo_frame.h"

namespace {

// One quadric for the life of the process, made at start-up and reused by
// every pass, so repainting allocates nothing.
GLUquadric* quadric = nullptr;

void create_quadric() { quadric = gluNewQuadric(); }

void display()
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gluQuadricDrawStyle(quadric, GLU_LINE);
    gluSphere(quadric, 0.75, 10, 10);
    glutSwapBuffers();
}

} // namespace

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH,
    .callbacks = {DisplayFunc{display}},
    .after_registration = create_quadric,
};
