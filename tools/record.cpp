// Records the gallery's film or picture of one program: runs the program's
// real start-up and callbacks in this process on a private X server, advances
// it by calling its idle callback a fixed number of times between frames
// (never by the clock, so any machine makes the same film), gives it input
// through its own callbacks at chosen frames, and reads every frame back.
//
//   <program>_record --film OUT.webp [--frames N] [--without-input]
//   <program>_record --still OUT.png [-- TOOLKIT OPTIONS...]
//   <program>_record --frame OUT.png [--size WxH] [--input LINES] [--steps N] [-- TOOLKIT OPTIONS...]
//                                    the first frame; or, after the window
//                                    is resized as a user resizes it and
//                                    the input is given (the catalogue's
//                                    notation, lines separated by ";":
//                                    "0: press left at 10,20; 0: key o",
//                                    a line's frame counting idle calls),
//                                    the frame after N idle calls more,
//                                    each with its display; prints, as
//                                    JSON, the GL's version and the cues
//   <program>_record --describe      prints, as JSON, the window the program
//                                    asks for: {"name", "title" (null: the
//                                    invocation name), "width", "height",
//                                    "x", "y"} (-1: the toolkit's own),
//                                    from which the tests' table is made
//
// A film is the program's script, the Film field of its catalogue entry, at
// the film's size; the still is one frame of the same script at the
// window's own size. --frames cuts the film short;
// --without-input leaves out the script's input (the tests compare the two).
#include <GL/glut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "film_script.h"
#include "in_process.h"
#include "program_about.h"
#include "png_io.h"
#include "text.h"
#include "webp_film.h"

// The toolkit's idle callback as the program last set it: the link wraps
// glutIdleFunc (-Wl,--wrap), so a key that stops or restarts the program's
// animation stops or restarts the recording's idle calls too.
extern "C" void __real_glutIdleFunc(void (*callback)());
namespace {
void (*current_idle)() = nullptr;
}
extern "C" void __wrap_glutIdleFunc(void (*callback)())
{
    current_idle = callback;
    __real_glutIdleFunc(callback);
}

namespace {

// Frames 0 to last of the script: frame 0 as the program starts, then each
// after the cues of the frame before and the idle calls.
std::vector<Image> record(const FilmScript& script, int last, bool with_input)
{
    std::vector<Image> frames;
    for (int frame = 0;; ++frame) {
        redraw();
        frames.push_back(read_image());
        if (frame == last)
            return frames;
        if (with_input)
            for (const Cue& cue : script.cues)
                if (cue.frame == frame)
                    give_cue(program, cue);
        for (int i = 0; i < script.steps_per_frame && current_idle != nullptr; ++i)
            current_idle();
    }
}

// The window the program asks for, from its row: its title (none: the
// invocation name), its size and place (-1: the toolkit's own).
int describe(const ProgramSetup& setup)
{
    const std::string title = setup.title != nullptr ? c_literal(setup.title) : "null";
    int width = -1, height = -1, x = -1, y = -1;
    for (const WindowStep& step : setup.geometry) {
        if (const auto* size = std::get_if<WindowSize>(&step)) {
            width = size->width;
            height = size->height;
        } else if (const auto* position = std::get_if<WindowPosition>(&step)) {
            x = position->x;
            y = position->y;
        }
    }
    std::printf("{\"name\": \"%s\", \"title\": %s, \"width\": %d, \"height\": %d, \"x\": %d, \"y\": %d}\n",
                program_about.name, title.c_str(), width, height, x, y);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// --input's lines of input, in the catalogue's notation, separated by ";".
bool parse_input_lines(const std::string& text, std::vector<Cue>& cues)
{
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string line = text.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(' '), last = line.find_last_not_of(' ');
        if (first != std::string::npos) {
            try {
                parse_input(line.substr(first, last - first + 1), cues);
            } catch (const std::invalid_argument& error) {
                std::fprintf(stderr, "%s\n", error.what());
                return false;
            }
        }
        start = end + 1;
    }
    return true;
}

// The cues as JSON, for those who give the same input elsewhere.
std::string cues_json(const std::vector<Cue>& cues)
{
    static const char* const kinds[] = {"press", "release", "motion", "key"};
    std::string json = "[";
    for (const Cue& cue : cues)
        json += std::string(json.size() > 1 ? ", " : "") + "{\"frame\": " + std::to_string(cue.frame) +
                ", \"kind\": \"" + kinds[cue.kind] + "\", \"button\": " + std::to_string(cue.button) +
                ", \"character\": " + std::to_string(cue.character) + ", \"x\": " + std::to_string(cue.x) +
                ", \"y\": " + std::to_string(cue.y) + "}";
    return json + "]";
}

// `steps` idle calls while the program has an idle callback, each with its display.
void step(int steps)
{
    for (int i = 0; i < steps && current_idle != nullptr; ++i) {
        current_idle();
        redraw();
    }
}

// The frame after the input: a cue at frame F comes after F idle calls,
// each with its display, and is followed by the display pass it asks for,
// if it asks for one (a press on the window asks for none, and a program
// whose every pass turns it further, wire_sphere_spin, shows the
// difference); then `steps` idle calls, each with its display.
Image frame_after(std::vector<Cue> cues, int steps)
{
    std::stable_sort(cues.begin(), cues.end(), [](const Cue& a, const Cue& b) { return a.frame < b.frame; });
    redraw();
    int frame = 0;
    for (const Cue& cue : cues) {
        step(cue.frame - frame);
        frame = cue.frame;
        give_cue(program, cue);
        pump_events();
    }
    step(steps);
    return read_image();
}

int usage()
{
    std::fprintf(stderr,
                 "usage: %s_record --film OUT.webp [--frames N] [--without-input]\n"
                 "       %s_record --still OUT.png [-- TOOLKIT OPTIONS...]\n"
                 "       %s_record --frame OUT.png [--size WxH] [--input LINES] [--steps N] [-- TOOLKIT OPTIONS...]\n"
                 "       %s_record --describe\n",
                 program_about.name, program_about.name, program_about.name, program_about.name);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string film_path, still_path, frame_path;
    std::vector<std::string> args{program_about.name};
    const FilmScript& script = film_script;
    int frames = script.frames, steps = 0, width = 0, height = 0;
    std::vector<Cue> input;
    bool with_input = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--film" && i + 1 < argc)
            film_path = argv[++i];
        else if (arg == "--still" && i + 1 < argc)
            still_path = argv[++i];
        else if (arg == "--frame" && i + 1 < argc)
            frame_path = argv[++i];
        else if (arg == "--size" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0)
                return usage();
        } else if (arg == "--steps" && i + 1 < argc)
            steps = std::max(0, std::atoi(argv[++i]));
        else if (arg == "--input" && i + 1 < argc) {
            if (!parse_input_lines(argv[++i], input))
                return usage();
        } else if (arg == "--frames" && i + 1 < argc)
            frames = std::max(1, std::min(script.frames, std::atoi(argv[++i])));
        else if (arg == "--without-input")
            with_input = false;
        else if (arg == "--describe")
            return describe(program);
        else if (arg == "--") {
            args.insert(args.end(), argv + i + 1, argv + argc);
            break;
        } else
            return usage();
    }
    if (film_path.empty() + still_path.empty() + frame_path.empty() != 2)
        return usage();
    if (!film_path.empty() && script.frames == 1) {
        std::fprintf(stderr, "%s has no film: it shows one picture\n", program_about.name);
        return 2;
    }
    for (const Cue& cue : script.cues)
        if (!takes(program, cue)) {
            std::fprintf(stderr, "%s: %s's film gives it input at frame %d through %s, which it never calls\n",
                         script.where, program_about.name, cue.frame, toolkit_call_for(cue));
            return 2;
        }

    if (!start_in_process(program, program_about.name, args)) {
        std::fprintf(stderr, "%s: the window never came on the screen\n", program_about.name);
        return 1;
    }
    if (!frame_path.empty()) {
        if (width > 0 && !resize_in_process(width, height)) {
            std::fprintf(stderr, "%s: the window never became %d x %d\n", program_about.name, width, height);
            return 1;
        }
        if (!write_png(frame_path, frame_after(input, steps))) {
            std::fprintf(stderr, "cannot write %s\n", frame_path.c_str());
            return 1;
        }
        const std::string version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        std::printf("{\"version\": %s, \"cues\": %s}\n", c_literal(version).c_str(), cues_json(input).c_str());
        return 0;
    }
    if (!still_path.empty()) {
        const Image still = record(script, script.still, true).back();
        if (!write_png(still_path, still)) {
            std::fprintf(stderr, "cannot write %s\n", still_path.c_str());
            return 1;
        }
        return 0;
    }
    if (!resize_in_process(script.width, script.height)) {
        std::fprintf(stderr, "%s: the window never became %d x %d\n", program_about.name, script.width, script.height);
        return 1;
    }
    const WebpFilm film{script.width, script.height, film_frame_ms, record(script, frames - 1, with_input)};
    if (!write_webp_film(film_path, film)) {
        std::fprintf(stderr, "cannot write %s\n", film_path.c_str());
        return 1;
    }
    return 0;
}
