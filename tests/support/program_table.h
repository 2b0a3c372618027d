// Every program of the suite with what the end-to-end tests need to know of it.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue_table.h"
#include "window_place.h"

// A program's window as its own row sets it up.
struct ProgramRow {
    const char* name;
    const char* title; // nullptr: titled with its invocation name
    int width, height; // -1: the toolkit's default size
    int x, y;          // -1: the toolkit's default place
};

// Every program in the catalogue's order, each as its recorder prints its
// row (tests/support/program_rows.cmake).
inline const ProgramRow program_rows[] = {
#include "program_rows.inc"
};

// The row of the program called name.
inline const ProgramRow& row_named(const char* name)
{
    for (const ProgramRow& row : program_rows)
        if (std::strcmp(row.name, name) == 0)
            return row;
    throw std::invalid_argument(std::string("no program called ") + name);
}

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
    return {row.name, false, false, false};
}

// Whether the catalogue says the program animates on its own from start-up.
inline bool moves(const ProgramRow& row) { return catalogue_entry(row).moves; }
