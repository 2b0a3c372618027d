// A lit solid sphere shown either with a fixed material (red ambient and
// specular, green diffuse) or with colour tracking of grey. The letter o
// switches between them; Escape quits.
#include "gl_headers.h"

#include <cstdlib>

#include "demo_frame.h"
#include "ortho_reshape.h"

namespace {

// The fixed material, front faces only. The diffuse alpha is 0 by design.
const GLfloat fixed_diffuse[4] = {0, 1, 0, 0};
const GLfloat fixed_ambient[4] = {1, 0, 0, 1};
const GLfloat fixed_specular[4] = {1, 0, 0, 1};
const GLfloat fixed_shininess[1] = {50.0f};

// A directional light from the upper right front.
const GLfloat light_direction[4] = {1, 1, 1, 0};

// Set: the fixed material; clear: colour tracking.
bool material_flag = false;

void lighting_setup()
{
    glClearColor(0, 0, 0, 0);
    glLightfv(GL_LIGHT0, GL_POSITION, light_direction);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
}

// Colour tracking replaces only ambient and diffuse: a specular colour set by
// the fixed material stays in force afterwards.
void display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (material_flag) {
        glDisable(GL_COLOR_MATERIAL);
        glMaterialfv(GL_FRONT, GL_DIFFUSE, fixed_diffuse);
        glMaterialfv(GL_FRONT, GL_AMBIENT, fixed_ambient);
        glMaterialfv(GL_FRONT, GL_SPECULAR, fixed_specular);
        glMaterialfv(GL_FRONT, GL_SHININESS, fixed_shininess);
    } else {
        glColor3f(0.7f, 0.7f, 0.7f);
        glEnable(GL_COLOR_MATERIAL);
    }
    glutSolidSphere(1.0, 20, 16);
    glFlush();
}

void reshape(int w, int h) { ortho_reshape(w, h, 1.5, true); }

void keyboard(unsigned char key, int, int)
{
    if (key == 27)
        std::exit(0);
    if (key == 'o') {
        material_flag = !material_flag;
        glutPostRedisplay();
    }
}

} // namespace

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_SINGLE | GLUT_DEPTH,
    .geometry = {WindowSize{500, 500}, WindowPosition{100, 100}},
    .callbacks = {DisplayFunc{display}, ReshapeFunc{reshape}, KeyboardFunc{keyboard}},
    .after_registration = lighting_setup,
};
