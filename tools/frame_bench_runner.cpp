// One measurement for the frame benchmark: runs a program's real start-up and
// the toolkit's own event loop for a while, counting display passes, and
// prints one line of figures. With --bare it runs instead a loop that only
// clears and presents, in the same display mode and window size.
//
//   <program>_bench [--bare] SECONDS
//
// Prints: frames=N cpu_us_per_frame=X fps=Y first_frame_ns=T, where T is the
// monotonic clock when the first frame was finished.
#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "demo_frame.h"

namespace {

// Frames before this one warm up the driver and are not measured.
constexpr int warm_up_frames = 10;

void (*measured_display)() = nullptr;
int frames = 0;
long long first_frame_ns = 0;
double cpu_at_start = 0, wall_at_start = 0;
double cpu_at_end = 0, wall_at_end = 0;

double seconds_on(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void counting_display()
{
    measured_display();
    ++frames;
    if (frames == 1) {
        glFinish();
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC, &t);
        first_frame_ns = static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
    }
    if (frames == warm_up_frames) {
        cpu_at_start = seconds_on(CLOCK_PROCESS_CPUTIME_ID);
        wall_at_start = seconds_on(CLOCK_MONOTONIC);
    }
}

// Whether the program's row asks for a double-buffered window; decided once,
// so the bare loop does no more per frame than clear and present.
bool double_buffered = false;

void bare_display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (double_buffered)
        glutSwapBuffers();
    else
        glFlush();
}

void bare_idle() { glutPostRedisplay(); }

void stop_measuring(int)
{
    cpu_at_end = seconds_on(CLOCK_PROCESS_CPUTIME_ID);
    wall_at_end = seconds_on(CLOCK_MONOTONIC);
    glutLeaveMainLoop();
}

} // namespace

int main(int argc, char** argv)
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    const double seconds = argc > 1 ? std::atof(argv[argc - 1]) : 2.0;

    // The program's own row with its display pass wrapped in a frame counter;
    // the bare row keeps only its display mode and window geometry.
    ProgramSetup setup = program;
    double_buffered = program.display_mode && (*program.display_mode & GLUT_DOUBLE);
    if (bare)
        setup = {.display_mode = program.display_mode,
                 .geometry = program.geometry,
                 .title = "bare",
                 .callbacks = {DisplayFunc{bare_display}, IdleFunc{bare_idle}}};
    for (Callback& callback : setup.callbacks)
        if (auto* display = std::get_if<DisplayFunc>(&callback)) {
            measured_display = display->function;
            display->function = counting_display;
        }

    int glut_argc = 1;
    char* glut_argv[] = {argv[0], nullptr};
    demo_start(glut_argc, glut_argv, setup, argv[0]);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutTimerFunc(static_cast<unsigned>(seconds * 1000), stop_measuring, 0);
    glutMainLoop();

    const int measured = frames - warm_up_frames;
    if (measured <= 0) {
        std::fprintf(stderr, "%s: only %d frames in %.1f s\n", argv[0], frames, seconds);
        return 1;
    }
    std::printf("frames=%d cpu_us_per_frame=%.2f fps=%.1f first_frame_ns=%lld\n", measured,
                (cpu_at_end - cpu_at_start) * 1e6 / measured, measured / (wall_at_end - wall_at_start), first_frame_ns);
    return 0;
}
