// A red wire sphere whose modelview matrix is never reset, so every pass
// multiplies its rotations onto the last and the turning compounds. Left,
// middle, right button choose the axis.
#include "gl_headers.h"

#include "demo_frame.h"
#include "ortho_reshape.h"
#include "spin_control.h"

namespace {

void display()
{
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    spin_apply(); // onto whatever orientation the passes before left
    glColor3f(1, 0, 0);
    glutWireSphere(0.75, 10, 10);
    glutSwapBuffers();
}

void reshape(int w, int h) { ortho_reshape(w, h, 2.0, false); }

void enable_depth_test() { glEnable(GL_DEPTH_TEST); }

} // namespace

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH,
    .geometry = {WindowSize{500, 500}},
    .title = "GLUT Sphere",
    .callbacks = {ReshapeFunc{reshape}, DisplayFunc{display}, IdleFunc{spin_step}, MouseFunc{spin_mouse}},
    .after_registration = enable_depth_test,
};
