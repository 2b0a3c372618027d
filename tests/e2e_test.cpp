// The built programs, started as a user would start them and driven with real
// X input.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <string>

#include "deadline.h"
#include "x_client.h"
#include "x_server.h"

namespace {

std::string binary(const std::string& name) { return std::string(DEMO_BIN_DIR) + "/" + name; }

// One running program with its window found and placed fully on the screen.
class RunningProgram {
public:
    RunningProgram(const std::string& name, const std::string& title, std::vector<std::string> args = {})
    {
        ensure_display();
        display_ = open_display();
        if (args.empty())
            args.push_back(binary(name));
        process_ = launch(binary(name), args);
        window_ = find_window(display_, title, 15.0);
        if (window_ != 0)
            placed_ = window_geometry(display_, window_);
        if (window_ != 0)
            move_window(display_, window_, 20, 20);
    }
    ~RunningProgram()
    {
        stop(process_);
        XCloseDisplay(display_);
    }
    Display* display() const { return display_; }
    Window window() const { return window_; }
    ProgramProcess& process() { return process_; }
    // Where the window first appeared, before it was moved fully on-screen.
    WindowGeometry placed() const { return placed_; }
    Image grab() const { return grab_window(display_, window_); }
    Rgb centre() const
    {
        const Image image = grab();
        return image.at(image.width / 2, image.height / 2);
    }

private:
    Display* display_ = nullptr;
    ProgramProcess process_;
    Window window_ = 0;
    WindowGeometry placed_;
};

} // namespace

TEST(ColorCubeProgram, OpensItsTitledWindowAndTurnsAboutTheClickedAxis)
{
    RunningProgram cube("color_cube", "separate axes");
    ASSERT_NE(cube.window(), 0u) << "no window titled \"separate axes\"";
    EXPECT_EQ(cube.placed().width, 500);
    EXPECT_EQ(cube.placed().height, 500);

    // Turning about z keeps the front face's middle at the centre while the
    // corners move.
    const Rgb front_middle{128, 128, 255};
    ASSERT_TRUE(poll_until(10.0, [&] { return within(cube.centre(), front_middle, 10); }))
        << "centre " << cube.centre();
    const Image before = cube.grab();
    ASSERT_TRUE(poll_until(10.0, [&] { return cube.grab().pixels != before.pixels; })) << "the cube does not turn";
    EXPECT_TRUE(within(cube.centre(), front_middle, 10)) << "centre " << cube.centre();

    // The left button turns it about x: other faces reach the centre.
    click(cube.display(), cube.window(), 1, 250, 250);
    EXPECT_TRUE(poll_until(10.0, [&] { return !within(cube.centre(), front_middle, 40); }))
        << "centre still " << cube.centre();
}

TEST(ColorCubeProgram, UnreachableDisplayEndsItWithTheToolkitsMessage)
{
    ProgramProcess process = launch(binary("color_cube"), {"color_cube", "-display", ":4242"});
    const std::optional<int> status = wait_exit(process, 10.0);
    const std::string message = read_stderr(process);
    stop(process);
    ASSERT_TRUE(status.has_value()) << "the program did not end";
    EXPECT_NE(*status, 0);
    EXPECT_LT(*status, 128) << "ended by a signal, not by the toolkit";
    EXPECT_NE(message.find(":4242"), std::string::npos) << "message: " << message;
}

TEST(MeshEmblemProgram, OpensAtItsPlaceAndEndsOnEscapeWithStatusZero)
{
    RunningProgram scene("mesh_emblem", "Ostravane");
    ASSERT_NE(scene.window(), 0u) << "no window titled \"Ostravane\"";
    EXPECT_EQ(scene.placed().x, 50);
    EXPECT_EQ(scene.placed().y, 50);
    EXPECT_EQ(scene.placed().width, 640);
    EXPECT_EQ(scene.placed().height, 480);
    ASSERT_TRUE(poll_until(10.0, [&] { return within(scene.grab().at(5, 5), {255, 255, 255}, 2); }))
        << "the background is not white";
    type_key(scene.display(), scene.window(), XK_Escape);
    const std::optional<int> status = wait_exit(scene.process(), 10.0);
    ASSERT_TRUE(status.has_value()) << "Escape did not end the program";
    EXPECT_EQ(*status, 0);
}

// Every program's window as its set-up row gives it. A null title means the
// invocation name; a size or position of -1 means the toolkit's default.
struct WindowRow {
    const char* program;
    const char* title;
    int width, height, x, y;
};

const WindowRow window_rows[] = {
    {"color_cube", "separate axes", 500, 500, -1, -1},
    {"texgen_sphere", nullptr, 500, 500, -1, -1},
    {"checker_sphere", nullptr, 500, 500, -1, -1},
    {"wire_sphere_spin", "GLUT Sphere", 500, 500, -1, -1},
    {"mesh_emblem", "Ostravane", 640, 480, 50, 50},
    {"material_sphere", nullptr, 500, 500, 100, 100},
    {"square_single", nullptr, 500, 500, 0, 0},
    {"square_double", nullptr, 500, 500, 0, 0},
    {"line_stipple", "line style", -1, -1, -1, -1},
    {"quadric_sphere", nullptr, -1, -1, -1, -1},
    {"solid_sphere", nullptr, -1, -1, -1, -1},
    {"wire_sphere", nullptr, -1, -1, -1, -1},
};

// freeglut's window size when the program sets none.
constexpr int toolkit_default_size = 300;

TEST(WindowRows, EveryProgramHasItsTitleSizeAndPlace)
{
    for (const WindowRow& row : window_rows) {
        SCOPED_TRACE(row.program);
        // Invocation names are shown exactly as typed, directories and spaces included.
        const std::string typed = std::string("../some dir/") + row.program + " copy";
        const std::string title = row.title ? row.title : typed;
        RunningProgram running(row.program, title, {row.title ? binary(row.program) : typed});
        ASSERT_NE(running.window(), 0u) << "no window titled \"" << title << "\"";
        const WindowGeometry g = running.placed();
        EXPECT_EQ(g.width, row.width > 0 ? row.width : toolkit_default_size);
        EXPECT_EQ(g.height, row.height > 0 ? row.height : toolkit_default_size);
        if (row.x >= 0) {
            EXPECT_EQ(g.x, row.x);
            EXPECT_EQ(g.y, row.y);
        }
    }
}

TEST(MaterialSphereProgram, OSwitchesTheMaterialAndEscapeEndsWithStatusZero)
{
    RunningProgram sphere("material_sphere", binary("material_sphere"));
    ASSERT_NE(sphere.window(), 0u);
    // The sphere's centre goes from grey to the fixed material's green.
    ASSERT_TRUE(poll_until(10.0, [&] { const Rgb c = sphere.centre(); return c.g > 100 && c.r == c.g; }))
        << "centre " << sphere.centre();
    type_key(sphere.display(), sphere.window(), XK_o);
    EXPECT_TRUE(poll_until(10.0, [&] { const Rgb c = sphere.centre(); return c.g > 100 && c.r < 80; }))
        << "centre " << sphere.centre();
    type_key(sphere.display(), sphere.window(), XK_Escape);
    const std::optional<int> status = wait_exit(sphere.process(), 10.0);
    ASSERT_TRUE(status.has_value()) << "Escape did not end the program";
    EXPECT_EQ(*status, 0);
}
