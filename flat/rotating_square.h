// The red square turning one degree per idle call about the window's centre,
// shared by the single- and double-buffered programs.
#pragma once

// Degrees, never wrapped.
extern double square_angle;

void square_idle();

// Clears and draws the square at the current angle, then flushes.
void draw_square_frame();
