// The entry point of every program in a web page. The page loads the
// program, built as a module of its own, before this runs and names it as the
// command line's first word; its row and its catalogue text are looked up
// there, and run by the frame as the desktop's entry point runs them.
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "demo_frame.h"
#include "program_about.h"

int main(int argc, char** argv)
{
    const std::string module = std::string(argc > 0 ? argv[0] : "") + ".wasm";
    void* loaded = dlopen(module.c_str(), RTLD_NOW);
    const auto* setup = loaded ? static_cast<const ProgramSetup*>(dlsym(loaded, "program")) : nullptr;
    const auto* about = loaded ? static_cast<const ProgramAbout*>(dlsym(loaded, "program_about")) : nullptr;
    if (setup == nullptr || about == nullptr) {
        std::fprintf(stderr, "no program in %s: %s\n", module.c_str(), dlerror());
        return 127;
    }
    if (const int status = answer_about(argc, argv, *about); status >= 0)
        return status;
    return demo_main(argc, argv, *setup, about->name);
}
