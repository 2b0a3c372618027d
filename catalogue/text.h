// Text as the catalogue's writers handle it: lines, paragraphs, and each kind
// of escaping their outputs need.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> lines_of(const std::string& text);

// A field's lines joined into one paragraph, and that paragraph broken into
// lines of at most `width` characters.
std::string paragraph(const std::string& text);
std::vector<std::string> wrapped(const std::string& text, std::size_t width);

// The line that heads every file the writers make, after the file's own
// comment marker ("//", "#").
std::string banner(const std::string& comment);

// A C or C++ string literal of the text, quotes included.
std::string c_literal(const std::string& text);
// Text as HTML shows it, never as markup.
std::string html(const std::string& text);
// Text for roff: backslashes and minus signs escaped, no line that starts
// with a control character.
std::string roff(const std::string& text);

std::string upper(std::string text);
std::string capitalised(std::string text);

// Writes the file only when its text changes, so that a new run rebuilds
// nothing; line ends are "\n" whatever the system.
void write_file(const std::string& path, const std::string& text);
