// What users read about the programs, made from the catalogue: each
// program's --help text, manual page and menu entry, the README's tables,
// the README installed with the programs, and the scripts' listing.
#pragma once

#include <string>

#include "catalogue.h"

std::string help_text(const Program& program, const Catalogue& catalogue, const std::string& version);
std::string man_page(const Program& program, const Catalogue& catalogue, const std::string& version,
                     const std::string& date);
std::string desktop_entry(const Program& program);

// The README's tables of programs and options, between the comment lines
// that mark where they go.
std::string readme_tables(const Catalogue& catalogue);
// The README with its tables replaced by these; throws if it lacks the
// marks.
std::string readme_updated(const std::string& readme, const Catalogue& catalogue);
std::string installed_readme(const Catalogue& catalogue, const std::string& version);

// One line per program, its name and its summary.
std::string summaries(const Catalogue& catalogue);
