// Every program of the suite with what the end-to-end tests need to know of it.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue.h"

struct ProgramRow {
    const char* name;
    const char* title; // nullptr: titled with its invocation name
    int width, height; // -1: the toolkit's default size
    int x, y;          // -1: the toolkit's default place
    bool escape_exits; // Escape ends it with status 0
};

inline const ProgramRow program_rows[] = {
    {"color_cube", "separate axes", 500, 500, -1, -1, false},
    {"texgen_sphere", nullptr, 500, 500, -1, -1, false},
    {"checker_sphere", nullptr, 500, 500, -1, -1, false},
    {"wire_sphere_spin", "GLUT Sphere", 500, 500, -1, -1, false},
    {"mesh_emblem", "Ostravane", 640, 480, 50, 50, true},
    {"material_sphere", nullptr, 500, 500, 100, 100, true},
    {"square_single", nullptr, 500, 500, 0, 0, false},
    {"square_double", nullptr, 500, 500, 0, 0, false},
    {"line_stipple", "line style", -1, -1, -1, -1, false},
    {"quadric_sphere", nullptr, -1, -1, -1, -1, false},
    {"solid_sphere", nullptr, -1, -1, -1, -1, false},
    {"wire_sphere", nullptr, -1, -1, -1, -1, false},
};

// freeglut's window size when the program sets none.
constexpr int toolkit_default_size = 300;

// Names the row in test output, and each case of a test over the rows.
inline void PrintTo(const ProgramRow& row, std::ostream* out) { *out << row.name; }
inline std::string row_name(const testing::TestParamInfo<ProgramRow>& info) { return info.param.name; }

// A test run once for each program.
class EveryProgram : public testing::TestWithParam<ProgramRow> {};

inline std::string binary(const std::string& name) { return std::string(DEMO_BIN_DIR) + "/" + name; }

// The title the program's window gets when it is started with argv0.
inline std::string title_for(const ProgramRow& row, const std::string& argv0) { return row.title ? row.title : argv0; }

// The program's entry in the catalogue.
inline CatalogueEntry catalogue_entry(const ProgramRow& row)
{
    for (const CatalogueEntry& entry : catalogue)
        if (std::strcmp(entry.name, row.name) == 0)
            return entry;
    ADD_FAILURE() << row.name << " is not in the catalogue";
    return {row.name, false, false};
}

// Whether the catalogue says the program animates on its own from start-up.
inline bool moves(const ProgramRow& row) { return catalogue_entry(row).moves; }
