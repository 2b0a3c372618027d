// A cube whose corners carry the eight colours of the RGB cube, each face
// blending its corners. Left, middle and right mouse buttons turn it about x, y, z.
#include "gl_headers.h"

#include "demo_frame.h"
#include "ortho_reshape.h"
#include "spin_control.h"

namespace {

// Corner positions of a cube of side 2 centred at the origin.
const GLfloat position[8][3] = {
    {-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, // back, z = -1
    {-1, -1, 1},  {1, -1, 1},  {1, 1, 1},  {-1, 1, 1},  // front, z = 1
};

// Corner colours: each component is (position + 1) / 2.
const GLfloat colour[8][3] = {
    {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, // black, red, yellow, green
    {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}, // blue, magenta, white, cyan
};

void draw_face(int a, int b, int c, int d)
{
    glBegin(GL_POLYGON);
    for (int corner : {a, b, c, d}) {
        glColor3fv(colour[corner]);
        glVertex3fv(position[corner]);
    }
    glEnd();
}

// Faces anticlockwise as seen from outside: z = -1, y = 1, x = -1, x = 1, z = 1, y = -1.
void draw_cube()
{
    draw_face(0, 3, 2, 1);
    draw_face(2, 3, 7, 6);
    draw_face(0, 4, 7, 3);
    draw_face(1, 2, 6, 5);
    draw_face(4, 5, 6, 7);
    draw_face(0, 1, 5, 4);
}

void display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    spin_apply();
    draw_cube();
    glutSwapBuffers();
}

void reshape(int w, int h) { ortho_reshape(w, h, 2.0, false); }

void enable_depth_test() { glEnable(GL_DEPTH_TEST); }

} // namespace

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH,
    .geometry = {WindowSize{500, 500}},
    .title = "separate axes",
    .callbacks = {ReshapeFunc{reshape}, DisplayFunc{display}, IdleFunc{spin_step}, MouseFunc{spin_mouse}},
    .after_registration = enable_depth_test,
};
