// A checkerboard sphere with OpenGL's default, eye-linear texture coordinates:
// the pattern stays fixed to the view while the sphere turns. Left, middle,
// right button choose the axis; '1' restarts and '2' stops the turning.
#include "gl_headers.h"

#include "checker_texture.h"
#include "demo_frame.h"
#include "ortho_reshape.h"
#include "spin_control.h"

namespace {

// No generation mode or plane is set: s = x and t = y in eye coordinates.
void texture_setup()
{
    GLubyte image[checker_size][checker_size][3];
    build_checker_image(image);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    upload_checker_image(image);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    set_checker_parameters();
    glClearColor(1, 1, 1, 1);
}

void display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    spin_apply();
    glutSolidSphere(0.75, 24, 24);
    glutSwapBuffers();
}

void reshape(int w, int h) { ortho_reshape(w, h, 2.0, true); }

} // namespace

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH,
    .geometry = {WindowSize{500, 500}},
    .callbacks = {ReshapeFunc{reshape}, DisplayFunc{display}, IdleFunc{spin_step}, MouseFunc{spin_mouse},
                  KeyboardFunc{spin_keys}},
    .after_registration = texture_setup,
};
