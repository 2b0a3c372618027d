// A 64 x 64 black-and-white checkerboard of 8 x 8 squares, and the calls that
// make it the current two-dimensional texture.
#pragma once

#include "gl_headers.h"

constexpr int checker_size = 64;

// Texel (i, j) is white when bit 3 of row i differs from bit 3 of column j.
void build_checker_image(GLubyte image[checker_size][checker_size][3]);

void upload_checker_image(const GLubyte image[checker_size][checker_size][3]);

// Repeat wrap in both directions, nearest filtering both ways.
void set_checker_parameters();
