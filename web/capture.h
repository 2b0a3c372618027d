// The capture of one display pass, call by call (capture.cpp): each call the
// pass makes, with its arguments as text and the place in the source that
// made it.
#pragma once

#include <string>
#include <vector>

namespace capture {

struct Place {
    const char* file; // from the top of the tree, as the build names it; null where unknown
    int line;
};

struct Call {
    const char* name;
    std::string arguments; // as the program gave them: "GL_QUADS", "{1, 0, 0}"
    Place place;           // for a call inside a shape, the shape's
    int depth;             // shapes it is inside
};

// Records the calls from here on, the ones before forgotten.
void start();
void finish();
const std::vector<Call>& recorded();

// Makes the calls of a pass run between these through to GL only up to the
// call numbered `call` (from 1, as the list is), passing over the rest; the
// primitive left open there, begun by the call numbered `begin`, is ended
// with the primitives complete so far drawn. open_primitive tells `begin`
// from the calls recorded: it is read before the replay, whose memory is
// the pass's before any was.
int open_primitive(int call);
void replay_until(int call, int begin);
void end_replay();

// A number and an enum as the list writes them: "0.5", Mesa's own name.
std::string number(double value);
std::string enum_name(unsigned value);

// GL's state as it stands, read from Mesa (gl_state.cpp), as JSON: the matrix mode and
// both matrices, the current colour and normal, and the switches the
// programs use.
std::string state();

// The calls as text: one a line, in order, those inside a shape indented
// two spaces a level, each "name(arguments)" then two spaces and its place.
std::string text();

} // namespace capture
