// Two lit triangle meshes in perspective: a grey emblem and a blue-green block
// spinning above its frame. Drag with any button to turn the scene; Space stops
// and restarts the block; Escape quits.
#include "gl_headers.h"

#include <cstdlib>

#include "demo_frame.h"
#include "mesh_emblem.h"
#include "spin_control.h"
#include "tri_mesh.h"

// The scene's state, declared in mesh_emblem.h: it starts turned 25 degrees
// about x and -30 about y, with the block square to the emblem and spinning.
float view_angle_x = 25.0f;
float view_angle_y = -30.0f;
int drag_origin_x = 0;
int drag_origin_y = 0;
float block_angle = 0.0f;
bool paused = false;

namespace {

// A directional light from above and in front, fixed relative to the viewer.
const GLfloat light_direction[4] = {0, 1, 1, 0};

// Camera, projection and render state, set again at every resize.
void reshape(int w, int h)
{
    glViewport(0, 0, w, h);
    if (h > 0) { // a zero height keeps the last projection
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60.0, static_cast<double>(w) / h, 1.0, 1200.0);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 60, 0, 0, 0, 0, 1, 0);
    glClearColor(1, 1, 1, 1);
    glLightfv(GL_LIGHT0, GL_POSITION, light_direction);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_COLOR_MATERIAL);
}

void display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glRotatef(view_angle_x, 1, 0, 0);
    glRotatef(view_angle_y, 0, 1, 0);
    glColor3ub(165, 163, 160);
    draw_mesh(emblem_mesh);
    glColor3ub(0, 90, 107);
    glTranslatef(11, 14, 0); // over the emblem's right-hand frame
    glRotatef(block_angle, 0, 1, 0);
    draw_mesh(block_mesh);
    glPopMatrix();
    glutSwapBuffers();
}

void spin_block()
{
    block_angle = advance_angle(block_angle, 1.0);
    glutPostRedisplay();
}

void keyboard(unsigned char key, int, int)
{
    if (key == 27)
        std::exit(0);
    if (key == ' ') {
        paused = !paused;
        block_angle = 0.0f;
        glutIdleFunc(paused ? nullptr : spin_block);
    }
    glutPostRedisplay();
}

void mouse(int, int, int x, int y)
{
    drag_origin_x = x;
    drag_origin_y = y;
    glutPostRedisplay();
}

// The view is set to the pointer's offset from where the button went down.
void motion(int x, int y)
{
    view_angle_y = static_cast<float>(x - drag_origin_x);
    view_angle_x = static_cast<float>(y - drag_origin_y);
    glutPostRedisplay();
}

} // namespace

const ProgramSetup program{
    .display_mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH,
    .geometry = {WindowPosition{50, 50}, WindowSize{640, 480}},
    .title = "Ostravane",
    .callbacks = {KeyboardFunc{keyboard}, DisplayFunc{display}, ReshapeFunc{reshape}, MotionFunc{motion},
                  MouseFunc{mouse}, IdleFunc{spin_block}},
};
