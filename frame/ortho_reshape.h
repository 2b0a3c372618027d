// An orthographic projection that keeps the square -E..E of model space fully
// visible and undistorted whatever the window's shape.
#pragma once

struct OrthoBounds {
    double left, right, bottom, top;
};

// The view volume's sides for a window of w x h pixels (both above 0).
OrthoBounds ortho_bounds(int w, int h, double extent);

// Viewport and projection for a new window size. A zero-sized (minimised)
// window keeps the last projection. The modelview matrix is left current,
// and with reset it is loaded with the identity.
void ortho_reshape(int w, int h, double extent, bool reset);
