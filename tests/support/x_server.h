// A private X server for tests and tools run without a display.
#pragma once

// Makes sure DISPLAY names a usable X server: when it is unset or empty,
// starts Xvfb on a free display number and sets DISPLAY to it. The server
// ends with this process.
void ensure_display();
