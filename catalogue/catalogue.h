// The catalogue, catalogue/programs.txt, read into typed records: what each
// program is, shows and takes, its film, and the toolkit's options. Every
// value keeps the place it was read from, so that a check names the line to
// mend. The writers (documents.h, build_files.h, site.h) make their files
// from these records alone.
#pragma once

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "input.h"

// A place in a file, shown as "PATH:LINE".
struct Place {
    std::string path;
    int line = 0;
    std::string str() const { return path + ":" + std::to_string(line); }
    Place lines_on(int offset) const { return {path, line + offset}; }
};

// A fault in the catalogue or in a program's source: "PATH:LINE: message".
struct CatalogueError : std::runtime_error {
    CatalogueError(const Place& place, const std::string& message) : std::runtime_error(place.str() + ": " + message) {}
};

// A field's value, its lines joined with "\n", and where the field starts;
// an absent field is empty and has no place.
struct Field {
    std::string text;
    Place place;
    bool given() const { return place.line != 0; }
};

struct Film {
    int frames;          // the film's length; at least two
    int width, height;   // the film's size
    int steps_per_frame; // idle calls between two frames
    int still;           // the frame the gallery's picture shows
    std::vector<Cue> cues;
    Place place;
};

// What a program's Controls say it takes, read from each line's part before
// its colon: a line that names a button ("Left, middle, right button", "Drag
// with any button") means the mouse's buttons; any other names one key as
// its key is labelled: one character, Space or Escape.
struct InputsTaken {
    bool buttons = false;
    std::vector<std::string> keys; // "o", "1", "Space", "Escape", in the Controls' order
};

struct Program {
    std::string name;
    Place place; // its Program line
    Field folder, sources, uses, summary, description, controls, idea, try_these, beside;
    bool moves = false;
    std::optional<Film> film;

    bool takes_no_input() const { return controls.text == "None."; }
    bool escape_quits() const;        // a line of its controls is Escape's
    InputsTaken inputs_taken() const; // throws on a line that names neither a button nor a key
    std::string source_path() const { return folder.text + "/" + name + ".cpp"; }
};

struct Option {
    std::string typed; // as typed, with its value's name: "-geometry WxH+X+Y"
    Field effect;
};

struct Catalogue {
    std::vector<Program> programs;
    std::vector<Option> options;

    const Program& program(const std::string& name) const; // throws when there is none
    const Program& beside(const Program& program) const;   // the one its Beside names
};

// Reads a catalogue and checks each program's fields and film, and that what
// Beside names has a film as the program does. `path` names the text in
// messages.
Catalogue read_catalogue(std::istream& in, const std::string& path);
Catalogue read_catalogue_file(const std::string& path);

// The checks read_catalogue makes, each on one program.
void check_required_fields(const Program& program);
void check_page_fields(const Program& program);
Film read_film(const Field& film, const std::string& program);

// A program's own file, as its page shows it: the path from the top of the
// tree, and its lines.
struct SourceFile {
    std::string path;
    std::vector<std::string> lines;
    bool ends_with_newline = true;
};

// The program's file under `top`, the tree's top folder.
SourceFile read_source(const Program& program, const std::string& top);

// The checks of a program's file: that it defines its row, which the frame
// starts it from, and each definition its Idea names.
void check_row(const Program& program, const SourceFile& source);

// The lines of the program's file that make its idea: each definition Idea
// names, with the comment lines right above it.
std::vector<bool> idea_marks(const Program& program, const SourceFile& source);
