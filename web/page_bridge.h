// The toolkit's way to the page that runs it: what the toolkit asks of the
// page and gives it, each a call into the page's script (page_bridge.cpp).
// The page decides how large a window is shown and at how many device pixels;
// the toolkit draws and hands over whole frames.
#pragma once

namespace page {

// The window a program asks for, width by height in the pixels of a
// standard screen, as the page shows it: in device pixels, fitted to the
// room the page has for it.
void window_size(int& width, int& height);
// The canvas now holds width by height device pixels.
void set_size(int width, int height);
void set_title(const char* title);
// Puts a frame, RGBA with its top row first, on the canvas.
void show(const unsigned char* pixels, int width, int height);
// The screen's size in the page's pixels.
int screen_width();
int screen_height();
// Sends the pointer's presses, motions and releases on the canvas to
// glut_web_pointer, and gives the canvas the keys on a press, as a click on
// a desktop's window does; forget_pointer stops both.
void listen_to_pointer();
void forget_pointer();
// Gives the page Module.showCall(K): the captured pass drawn again from
// the memory kept before it, up to call K, then the memory after it put
// back; returns GL's state after call K.
void keep_captures();
// Calls glut_web_loop_pass at each of the browser's animation frames until it
// returns 0 or the program ends, and leaves main without ending the program.
void run_loop();

} // namespace page
