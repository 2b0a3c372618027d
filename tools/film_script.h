// A program's film in the gallery, as the Film field of its catalogue entry
// describes it: make_catalogue writes each program's as <program>_film.cpp,
// which its recorder links.
#pragma once

#include <vector>

// Input given before the idle calls that lead from frame `frame` to the next.
struct Cue {
    int frame;
    enum Kind { press, release, motion, key } kind;
    int button = 0;              // press, release: GLUT_LEFT_BUTTON, ...
    unsigned char character = 0; // key: the character typed
    int x = 0, y = 0;            // the pointer
};

struct FilmScript {
    int frames;          // the film's length, at 25 frames a second; 1: a picture, no film
    int steps_per_frame; // idle calls between two frames
    int width, height;   // the film's size
    int still;           // the frame the gallery's picture shows
    std::vector<Cue> cues;
    const char* where; // the catalogue's Film field, as "PATH:LINE", for messages
};

extern const FilmScript film_script;
