// The entry point of every program: --help and --version from its catalogue
// text, else its own ProgramSetup row, run by the frame.
#include "demo_frame.h"
#include "program_about.h"

int main(int argc, char** argv)
{
    if (const int status = answer_about(argc, argv, program_about); status >= 0)
        return status;
    return demo_main(argc, argv, program, program_about.name);
}
