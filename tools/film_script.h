// A program's film in the gallery, as the Film field of its catalogue entry
// describes it: make_catalogue writes each program's as <program>_film.cpp,
// which its recorder links.
#pragma once

#include <vector>

#include "input.h"

struct FilmScript {
    int frames;          // the film's length, at 25 frames a second; 1: a picture, no film
    int steps_per_frame; // idle calls between two frames
    int width, height;   // the film's size
    int still;           // the frame the gallery's picture shows
    std::vector<Cue> cues;
    const char* where; // the catalogue's Film field, as "PATH:LINE", for messages
};

extern const FilmScript film_script;
