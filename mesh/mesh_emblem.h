// The mesh scene's process-wide state, readable by its tests.
#pragma once

extern float view_angle_x; // scene rotation about x, degrees
extern float view_angle_y; // scene rotation about y, degrees
extern int drag_origin_x;  // pointer at the last button press or release
extern int drag_origin_y;
extern float block_angle; // the block's rotation about its vertical axis, degrees
extern bool paused;       // set while the block is stopped
