// The capture of a display pass: while one runs, every call traced_calls.def
// lists is recorded in order, with its arguments as the program gave them
// and the place in the source that made it, before it goes on to Mesa, GLU
// or the toolkit. A call made inside a shape (glutSolidSphere's arrays,
// gluSphere's vertices) is recorded beneath the shape, with the shape's
// place. With no capture running a call costs one test more.
#include "capture.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Mesa's own names of its enums.
extern "C" const char* _mesa_enum_to_string(int value);

namespace capture {

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string enum_name(unsigned value)
{
    const char* name = _mesa_enum_to_string(static_cast<int>(value));
    return name ? name : std::to_string(value);
}

} // namespace capture

namespace {

using capture::enum_name;
using capture::number;

bool capturing = false;
std::vector<capture::Call> calls;
// A replay of the pass made through to GL up to call `last` (numbered from 1
// as the list is); the calls after it are passed over.
bool replaying = false;
int last = 0, made = 0;
bool primitive_open = false;      // a glBegin made and its glEnd not yet
bool vertices_dropped = false;    // the primitive under way is a polygon cut short
int depth = 0;                    // shapes the current call is inside
capture::Place given{nullptr, 0}; // the place the next call was made at
capture::Place shape{nullptr, 0}; // the place of the shape being drawn

std::string clear_bits(unsigned mask)
{
    static const struct {
        unsigned bit;
        const char* name;
    } bits[] = {{GL_COLOR_BUFFER_BIT, "GL_COLOR_BUFFER_BIT"},
                {GL_DEPTH_BUFFER_BIT, "GL_DEPTH_BUFFER_BIT"},
                {GL_STENCIL_BUFFER_BIT, "GL_STENCIL_BUFFER_BIT"},
                {GL_ACCUM_BUFFER_BIT, "GL_ACCUM_BUFFER_BIT"}};
    std::string text;
    for (const auto& bit : bits)
        if (mask & bit.bit) {
            text += (text.empty() ? "" : " | ") + std::string(bit.name);
            mask &= ~bit.bit;
        }
    if (mask != 0 || text.empty())
        text += (text.empty() ? "" : " | ") + std::to_string(mask);
    return text;
}

std::string floats(const float* values, int count)
{
    std::string text = "{";
    for (int i = 0; i < count; ++i)
        text += (i ? ", " : "") + number(values[i]);
    return text + "}";
}

// One argument as its kind says (traced_calls.def).
template <typename T> std::string argument(char kind, T value)
{
    if constexpr (std::is_pointer_v<T>) {
        if (kind == '3' || kind == '4')
            if constexpr (std::is_same_v<std::remove_cv_t<std::remove_pointer_t<T>>, float>)
                return value ? floats(value, kind - '0') : "NULL";
        return value ? "..." : "NULL";
    } else if constexpr (std::is_floating_point_v<T>) {
        return number(value);
    } else {
        if (kind == 'e')
            return enum_name(static_cast<unsigned>(value));
        if (kind == 'b')
            return clear_bits(static_cast<unsigned>(value));
        if (kind == 'u')
            return std::to_string(static_cast<unsigned>(value));
        return std::to_string(static_cast<long long>(value));
    }
}

template <typename... Args> std::string arguments(const char* kinds, Args... values)
{
    std::string text;
    std::size_t i = 0;
    ((text += (i ? ", " : "") + argument(kinds[i], values), ++i), ...);
    return text;
}

extern "C" void __real_glBegin(GLenum mode);
extern "C" void __real_glEnd(void);

// In a replay, a primitive the last call leaves open is ended there, and GL
// draws the primitives complete so far: the whole triangles of a list, the
// segments of a strip. Two kinds would draw more than that: a polygon, which
// is complete only at its glEnd, so its vertices are passed over, and a line
// loop, whose closing segment comes only at its glEnd, so it is drawn as a
// strip. `open_begin` is the number of that primitive's glBegin.
int open_begin = 0;

template <typename... Args> void replay_begin(const char* kinds, bool& passes, Args... values)
{
    primitive_open = true;
    if (made != open_begin)
        return;
    const std::string mode = arguments(kinds, values...);
    if (mode == "GL_POLYGON")
        vertices_dropped = true;
    if (mode == "GL_LINE_LOOP") {
        __real_glBegin(GL_LINE_STRIP);
        passes = false;
    }
}

void end_primitive()
{
    if (primitive_open)
        __real_glEnd();
    primitive_open = vertices_dropped = false;
}

// A call while it runs: recorded as it starts, with the calls it makes
// beneath it; in a replay, counted, and passed over after the last one to
// make.
class Entry {
public:
    template <typename... Args> Entry(const char* name, const char* kinds, Args... values)
    {
        if (replaying) {
            const std::string_view called = name;
            passes_ = ++made <= last;
            if (!passes_)
                end_primitive();
            else if (called == "glBegin")
                replay_begin(kinds, passes_, values...);
            else if (called == "glEnd")
                primitive_open = false;
            else if (vertices_dropped && called.starts_with("glVertex"))
                passes_ = false;
            return;
        }
        if (!capturing)
            return;
        const capture::Place place = depth == 0 ? given : shape;
        if (depth == 0)
            shape = place;
        calls.push_back({name, arguments(kinds, values...), place, depth});
        ++depth;
        counted = true;
    }
    bool passes() const { return passes_; }
    ~Entry()
    {
        if (counted)
            --depth;
        if (depth == 0)
            given = {nullptr, 0};
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

private:
    bool counted = false, passes_ = true;
};

} // namespace

namespace capture {

void start()
{
    calls.clear();
    depth = 0;
    capturing = true;
}

void finish() { capturing = false; }

int open_primitive(int call)
{
    int begin = 0;
    for (int k = 1; k <= call && k <= static_cast<int>(calls.size()); ++k) {
        const std::string_view name = calls[static_cast<std::size_t>(k) - 1].name;
        if (name == "glBegin")
            begin = k;
        if (name == "glEnd")
            begin = 0;
    }
    return begin;
}

void replay_until(int call, int begin)
{
    replaying = true;
    last = call;
    open_begin = begin;
    made = 0;
    primitive_open = vertices_dropped = false;
}

void end_replay()
{
    end_primitive();
    replaying = false;
}

const std::vector<Call>& recorded() { return calls; }

// A source's path from the top of the tree: the build names it from its
// own folder ("../spinning/color_cube.cpp") or the top of the tree.
std::string tree_path(const char* file)
{
    std::string path = file;
    while (path.starts_with("../") || path.starts_with("./"))
        path.erase(0, path.find('/') + 1);
    return path;
}

std::string text()
{
    std::string out;
    for (const Call& call : calls) {
        out += std::string(2 * static_cast<std::size_t>(call.depth), ' ') + call.name + "(" + call.arguments + ")";
        if (call.place.file)
            out += "  " + tree_path(call.place.file) + ":" + std::to_string(call.place.line);
        out += "\n";
    }
    return out;
}

} // namespace capture

extern "C" void demo_capture_at(const char* file, int line)
{
    if (depth == 0)
        given = {file, line};
}

// Each listed call: recorded, then made. A GL call reaches its wrapper from
// GLU and the shapes too, through the link's --wrap, which names the GL
// function __real_NAME; GLU's and the toolkit's calls come only from the
// programs and the frame, whose macros call the wrapper.
#define CAPTURE_UNPACK(...) __VA_ARGS__
#define CAPTURE_CALL(...) CAPTURE_KINDS_AND(__VA_ARGS__)
#define CAPTURE_KINDS_AND(kinds, ...) kinds __VA_OPT__(, ) __VA_ARGS__
#define TRACED_GL(type, name, parameters, args, kinds)                                                                 \
    extern "C" type __real_##name parameters;                                                                          \
    extern "C" type __wrap_##name parameters                                                                           \
    {                                                                                                                  \
        const Entry entry(#name, CAPTURE_CALL(kinds, CAPTURE_UNPACK args));                                            \
        if (entry.passes())                                                                                            \
            __real_##name args;                                                                                        \
    }
#define TRACED_CALL(type, name, parameters, args, kinds)                                                               \
    extern "C" type __wrap_##name parameters                                                                           \
    {                                                                                                                  \
        const Entry entry(#name, CAPTURE_CALL(kinds, CAPTURE_UNPACK args));                                            \
        if (entry.passes())                                                                                            \
            name args;                                                                                                 \
    }
#include "traced_calls.def"
