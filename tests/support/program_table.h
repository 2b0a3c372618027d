// Every program of the suite with what the end-to-end tests need to know of it.
#pragma once

#include <ostream>
#include <string>

struct ProgramRow {
    const char* name;
    const char* title; // nullptr: titled with its invocation name
    int width, height; // -1: the toolkit's default size
    int x, y;          // -1: the toolkit's default place
    bool animated;     // has an idle callback from start-up
    bool escape_exits; // Escape ends it with status 0
};

inline const ProgramRow program_rows[] = {
    {"color_cube", "separate axes", 500, 500, -1, -1, true, false},
    {"texgen_sphere", nullptr, 500, 500, -1, -1, true, false},
    {"checker_sphere", nullptr, 500, 500, -1, -1, true, false},
    {"wire_sphere_spin", "GLUT Sphere", 500, 500, -1, -1, true, false},
    {"mesh_emblem", "Ostravane", 640, 480, 50, 50, true, true},
    {"material_sphere", nullptr, 500, 500, 100, 100, false, true},
    {"square_single", nullptr, 500, 500, 0, 0, true, false},
    {"square_double", nullptr, 500, 500, 0, 0, true, false},
    {"line_stipple", "line style", -1, -1, -1, -1, false, false},
    {"quadric_sphere", nullptr, -1, -1, -1, -1, false, false},
    {"solid_sphere", nullptr, -1, -1, -1, -1, false, false},
    {"wire_sphere", nullptr, -1, -1, -1, -1, false, false},
};

// freeglut's window size when the program sets none.
constexpr int toolkit_default_size = 300;

// Names the row in test output.
inline void PrintTo(const ProgramRow& row, std::ostream* out) { *out << row.name; }

inline std::string binary(const std::string& name) { return std::string(DEMO_BIN_DIR) + "/" + name; }

// The title the program's window gets when it is started with argv0.
inline std::string title_for(const ProgramRow& row, const std::string& argv0) { return row.title ? row.title : argv0; }
