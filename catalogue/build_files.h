// What the build makes from the catalogue: each program's help and version
// (<program>_about.cpp) and film script (<program>_film.cpp), the tests'
// table (catalogue_table.h) and the lists CMake reads (catalogue.cmake).
#pragma once

#include <string>

#include "catalogue.h"

std::string about_source(const Program& program, const Catalogue& catalogue, const std::string& version);
std::string film_source(const Program& program);
std::string tests_header(const Catalogue& catalogue);
std::string cmake_lists(const Catalogue& catalogue);
