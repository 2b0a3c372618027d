// The frame benchmark: for each animated program, the CPU time per frame, the
// frames per second and the time from start to the first frame, next to a
// bare clear-and-present loop with the same display mode and window size.
// Runs on a private Xvfb with llvmpipe rendering on the program's own thread
// (or softpipe, as the web pages draw, for tools/web_bench.mjs), in paired
// rounds, and prints medians and ratios as a table.
//
//   frame_bench [--rounds N] [--seconds S] [--softpipe]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "x_server.h"

namespace {

// The build names the programs, separated by spaces, and builds their runners.
std::vector<std::string> animated_programs()
{
    std::istringstream list(ANIMATED_PROGRAMS);
    std::vector<std::string> names;
    for (std::string name; list >> name;)
        names.push_back(name);
    return names;
}

struct Sample {
    double cpu_us_per_frame = 0;
    double fps = 0;
    double first_frame_ms = 0;
};

long long monotonic_ns()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::string runner_path(const std::string& program)
{
    char self[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir(self, n > 0 ? static_cast<size_t>(n) : 0);
    dir = dir.substr(0, dir.find_last_of('/'));
    return dir + "/" + program + "_bench";
}

bool measure(const std::string& program, bool bare, double seconds, Sample& sample)
{
    std::string command = "'";
    command += runner_path(program);
    command += bare ? "' --bare " : "' ";
    command += std::to_string(seconds);
    const long long started = monotonic_ns();
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr)
        return false;
    int frames = 0;
    long long first_frame_ns = 0;
    const int fields = std::fscanf(out, "frames=%d cpu_us_per_frame=%lf fps=%lf first_frame_ns=%lld", &frames,
                                   &sample.cpu_us_per_frame, &sample.fps, &first_frame_ns);
    const int status = pclose(out);
    sample.first_frame_ms = static_cast<double>(first_frame_ns - started) / 1e6;
    return fields == 4 && status == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = 5;
    double seconds = 2.0;
    bool understood = true, softpipe = false;
    for (int i = 1; understood && i < argc; ++i) {
        char* end = nullptr;
        if (std::strcmp(argv[i], "--softpipe") == 0) {
            softpipe = true;
        } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            rounds = static_cast<int>(std::strtol(argv[++i], &end, 10));
            understood = *end == '\0' && rounds >= 1;
        } else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = std::strtod(argv[++i], &end);
            understood = *end == '\0' && seconds > 0.0;
        } else {
            understood = false;
        }
    }
    if (!understood) {
        std::fprintf(stderr,
                     "usage: frame_bench [--rounds N] [--seconds S] [--softpipe]   (N at least 1, S above 0)\n");
        return 2;
    }
    unsetenv("DISPLAY");
    use_private_display();
    setenv("LP_NUM_THREADS", "0", 1);
    if (softpipe)
        setenv("GALLIUM_DRIVER", "softpipe", 1);

    std::printf("%d paired rounds of %.1f s each; medians. CPU time per frame in microseconds, time to the\n"
                "first frame in milliseconds from process start; ratios are program / bare loop.\n\n",
                rounds, seconds);
    std::printf("| Program | CPU us/frame | bare | ratio | frames/s | bare | ratio | first frame ms | bare |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    int failures = 0;
    for (const std::string& program : animated_programs()) {
        std::vector<double> cpu, bare_cpu, fps, bare_fps, first, bare_first;
        for (int round = 0; round < rounds; ++round) {
            // Alternate which of the pair runs first, so drift hits both alike.
            Sample own, bare;
            const bool bare_first_this_round = round % 2 == 1;
            bool ok = true;
            if (bare_first_this_round)
                ok = measure(program, true, seconds, bare) && ok;
            ok = measure(program, false, seconds, own) && ok;
            if (!bare_first_this_round)
                ok = measure(program, true, seconds, bare) && ok;
            if (!ok) {
                ++failures;
                continue;
            }
            cpu.push_back(own.cpu_us_per_frame);
            bare_cpu.push_back(bare.cpu_us_per_frame);
            fps.push_back(own.fps);
            bare_fps.push_back(bare.fps);
            first.push_back(own.first_frame_ms);
            bare_first.push_back(bare.first_frame_ms);
        }
        if (cpu.empty()) {
            std::printf("| `%s` | failed | | | | | | | |\n", program.c_str());
            std::fprintf(stderr, "frame_bench: every round of %s failed\n", program.c_str());
            continue;
        }
        std::printf("| `%s` | %.0f | %.0f | %.2f | %.0f | %.0f | %.2f | %.0f | %.0f |\n", program.c_str(), median(cpu),
                    median(bare_cpu), median(cpu) / median(bare_cpu), median(fps), median(bare_fps),
                    median(fps) / median(bare_fps), median(first), median(bare_first));
        std::fflush(stdout);
    }
    if (failures > 0)
        std::fprintf(stderr, "frame_bench: %d rounds failed\n", failures);
    return failures == 0 ? 0 : 1;
}
