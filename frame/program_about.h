// What a program says of itself on --help and --version, and its own name,
// made from the catalogue at build time.
#pragma once

struct ProgramAbout {
    const char* name; // the program's name, as the catalogue gives it
    const char* help;
    const char* version;
};

// Each program's executable holds its own text.
extern const ProgramAbout program_about;

// With --help or --version as the only argument, prints the text to standard
// output and returns the exit status (0, or 1 when it cannot be written);
// otherwise returns -1 and the command line goes to the toolkit untouched.
int answer_about(int argc, char** argv, const ProgramAbout& about);
