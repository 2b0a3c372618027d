// The entry point of every program: its own ProgramSetup row, run by the frame.
#include "demo_frame.h"

int main(int argc, char** argv) { return demo_main(argc, argv, program); }
