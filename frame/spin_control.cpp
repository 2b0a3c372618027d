// The axis-spin controller shared by the spinning programs.
#include "spin_control.h"

#include "gl_headers.h"

// All angles 0 at start; the z axis turns first.
SpinState spin_state{{0.0f, 0.0f, 0.0f}, 2};

float advance_angle(float angle, double step)
{
    const double sum = static_cast<double>(angle) + step;
    if (sum > 360.0)
        return static_cast<float>(sum - 360.0);
    return static_cast<float>(sum);
}

void spin_step()
{
    float& angle = spin_state.theta[spin_state.axis];
    angle = advance_angle(angle, 2.0);
    glutPostRedisplay();
}

void spin_mouse(int button, int state, int, int)
{
    if (state != GLUT_DOWN)
        return;
    if (button == GLUT_LEFT_BUTTON)
        spin_state.axis = 0;
    else if (button == GLUT_MIDDLE_BUTTON)
        spin_state.axis = 1;
    else if (button == GLUT_RIGHT_BUTTON)
        spin_state.axis = 2;
}

void spin_keys(unsigned char key, int, int)
{
    if (key == '1')
        glutIdleFunc(spin_step);
    else if (key == '2')
        glutIdleFunc(nullptr);
}

void spin_apply()
{
    glRotatef(spin_state.theta[0], 1.0f, 0.0f, 0.0f);
    glRotatef(spin_state.theta[1], 0.0f, 1.0f, 0.0f);
    glRotatef(spin_state.theta[2], 0.0f, 0.0f, 1.0f);
}
