// Turns a model a fixed step at a time about one coordinate axis, the axis
// chosen with the mouse buttons; '1' and '2' restart and stop the turning.
#pragma once

struct SpinState {
    float theta[3]; // degrees about x, y and z
    int axis;       // index of the angle being advanced, 0 to 2
};

extern SpinState spin_state;

// One step of a wrapping angle: the sum is kept up to and including 360,
// and a sum strictly greater than 360 has 360 taken off.
float advance_angle(float angle, double step);

void spin_step();
void spin_mouse(int button, int state, int x, int y);
void spin_keys(unsigned char key, int x, int y);
void spin_apply();
