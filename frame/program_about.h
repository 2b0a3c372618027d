// What a program says of itself on --help and --version, made from the
// catalogue at build time.
#pragma once

struct ProgramAbout {
    const char* help;
    const char* version;
};

// Each program's executable holds its own text.
extern const ProgramAbout program_about;

// With --help or --version as the only argument, prints the text to standard
// output and returns the exit status (0, or 1 when it cannot be written);
// otherwise returns -1 and the command line goes to the toolkit untouched.
int answer_about(int argc, char** argv, const ProgramAbout& about);
