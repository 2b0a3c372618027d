// The notation for input that the catalogue's films use, one input a line,
// as the head of catalogue/programs.txt describes it: "0: press left",
// "40: drag left from 320,240 by 60,-40 over 40 frames", "5: key space".
// Each line gives the cues of one input: a drag gives a press, its motions
// and a release. The recorder's --input and the pages' tests read the same
// notation.
#pragma once

#include <string>
#include <vector>

// Input given before the idle calls that lead from frame `frame` to the next.
struct Cue {
    int frame;
    enum Kind { press, release, motion, key } kind;
    int button = 0;              // press, release: 0 left, 1 middle, 2 right, as GLUT_LEFT_BUTTON, ...
    unsigned char character = 0; // key: the character typed
    int x = 0, y = 0;            // the pointer
};

// The notation of one line, as a message that a line does not read shows it.
extern const char* const input_notation;

// Appends the cues of one line of input and returns the last frame they come
// before; throws std::invalid_argument, naming the notation, on a line that
// does not read as one.
int parse_input(const std::string& line, std::vector<Cue>& cues);
