// The web toolkit's side that the page drives (controls.cpp hands the
// page's calls on to it): its loop, the hold on its idle calls, the window's
// size, the pointer's input, and what it has done.
#pragma once

namespace toolkit {

// One pass of the loop: input, then a pending reshape and display, then one
// idle call unless held. False once the page has stopped the program.
bool loop_pass();

// Holds the idle calls, letting `steps` through; run lets them all through;
// step lets one more through while held.
void hold(int steps);
void run();
void step();
// The program's loop ends and its input goes nowhere, so that a fresh start
// can take the canvas.
void stop();

// The user has resized the window to width by height device pixels: the
// program's reshape runs, then its display.
void resize(int width, int height);

// What a pointer did on the window: its kind, whether it is a mouse, the
// buttons it holds (the DOM's mask: 1 left, 2 right, 4 middle), and where,
// in the window's pixels.
enum PointerEvent { pointer_down, pointer_move, pointer_up };
void pointer(PointerEvent event, bool mouse, int dom_buttons, int x, int y);
// The toolkit's button (0 left, 1 middle, 2 right) that a touch or a pen
// presses from its next touch on.
void choose_touch_button(int button);

bool idling(); // the program has an idle callback
long idle_calls();
long display_passes();

// A capture of a display pass (capture.h): asked for, ready once
// the loop has come to that pass (the page keeps the memory as it stands),
// made, with every call recorded, after which the program holds; the text
// of the calls recorded.
// `count` idle calls from the start, or -1 for the next pass.
void capture_after_idle_calls(long count);
bool capture_ready();
void capture_pass();
const char* captured_text();
// The captured pass drawn again from the memory the page kept, through to
// GL up to the call numbered `call` (capture::replay_until): its picture
// shown, and GL's state after it, as JSON.
const char* draw_until(int call, int begin);

// For the benchmark: milliseconds that `frames` idle calls take, each with
// its display pass and its frame shown, run back to back.
double time_frames(int frames);

} // namespace toolkit
