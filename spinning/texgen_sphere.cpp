// A checkerboard sphere whose texture coordinates come from object-linear
// planes, so the pattern turns with it. Left, middle, right button choose the
// axis; '1' restarts and '2' stops the turning.
#include "gl_headers.h"

#include "checker_texture.h"
#include "demo_frame.h"
#include "ortho_reshape.h"
#include "spin_control.h"

namespace {

// s = z - x and t = 1 - y in the sphere's own coordinates.
const GLfloat s_plane[4] = {-1, 0, 1, 0};
const GLfloat t_plane[4] = {0, -1, 0, 1};

void texture_setup()
{
    GLubyte image[checker_size][checker_size][3];
    build_checker_image(image);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
    glTexGenfv(GL_S, GL_OBJECT_PLANE, s_plane);
    glEnable(GL_TEXTURE_GEN_S);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
    glTexGenfv(GL_T, GL_OBJECT_PLANE, t_plane);
    glEnable(GL_TEXTURE_GEN_T);
    upload_checker_image(image);
    set_checker_parameters();
    glClearColor(1, 1, 1, 1);
}

void display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
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
