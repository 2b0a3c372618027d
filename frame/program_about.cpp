#include "program_about.h"

#include <cstdio>
#include <cstring>

int answer_about(int argc, char** argv, const ProgramAbout& about)
{
    if (argc != 2 || argv == nullptr || argv[1] == nullptr)
        return -1;
    const char* text = nullptr;
    if (std::strcmp(argv[1], "--help") == 0)
        text = about.help;
    else if (std::strcmp(argv[1], "--version") == 0)
        text = about.version;
    if (text == nullptr)
        return -1;
    const bool written = std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0;
    return written ? 0 : 1;
}
