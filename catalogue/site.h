// The web pages made from the catalogue, each from its HTML template
// (web/page.html, web/index.html) with its slots filled: "{{name}}" is
// replaced by the slot's HTML; a slot alone on its line by each line of it,
// indented as the slot is.
#pragma once

#include <map>
#include <string>

#include "catalogue.h"

// The template with each slot filled; throws on a slot it has no HTML for,
// or HTML for a slot it lacks.
std::string filled(const std::string& page, const std::map<std::string, std::string>& slots);

// The page that runs one program: its window, what it shows, its controls,
// what to try, and its source with the lines that make the idea marked.
std::string web_page(const std::string& page, const Program& program, const SourceFile& source);
// The index of the pages, in the catalogue's order: a tile per program with
// its picture, or its film where it has one.
std::string web_index(const std::string& page, const Catalogue& catalogue);
