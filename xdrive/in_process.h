// Runs a program's real start-up inside the calling process, without
// entering the event loop, and reads back what it drew: the tests, the
// recorder of the gallery's films and the frame benchmark drive programs so.
#pragma once

#include <string>
#include <vector>

#include "demo_frame.h"
#include "input.h"
#include "rgb.h"

// Starts the program called name with args as its command line (args[0] is
// argv[0]) on this process's private X server: toolkit, window, callbacks and
// set-up, then handles events until the window is on the screen. False if it
// never got there.
bool start_in_process(const ProgramSetup& setup, const char* name, const std::vector<std::string>& args);

// Whether the program has the callback a cue goes through, and the toolkit
// call that registers that callback.
bool takes(const ProgramSetup& setup, const Cue& cue);
const char* toolkit_call_for(const Cue& cue);

// Gives the cue to the program through its own callback, as the toolkit
// would; a cue the program takes no input of is left out.
void give_cue(const ProgramSetup& setup, const Cue& cue);

// Handles every pending window-system event and the work it causes.
void pump_events();

// Requests a redisplay and lets the toolkit run the display pass.
void redraw();

// Resizes the window; false if the toolkit never passed the new size on.
bool resize_in_process(int width, int height);

int window_width();
int window_height();

// A pixel of the buffer the program draws into (the back buffer of a
// double-buffered window, else the front), x from the left, y from the bottom.
Rgb read_rgb(int x, int y);

// The whole drawing buffer, rows from the top.
Image read_image();
