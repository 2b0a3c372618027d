// The rotating square, in normalised device coordinates.
#include "rotating_square.h"

#include "gl_headers.h"

double square_angle = 0.0;

void square_idle()
{
    square_angle += 1.0;
    glutPostRedisplay();
}

void draw_square_frame()
{
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotated(square_angle, 0, 0, 1);
    glBegin(GL_POLYGON);
    glColor3f(1, 0, 0);
    glVertex2f(-0.5f, -0.5f);
    glVertex2f(-0.5f, 0.5f);
    glVertex2f(0.5f, 0.5f);
    glVertex2f(0.5f, -0.5f);
    glEnd();
    glFlush();
}
