// Every program started with the toolkit options a user may type: the
// window's size and place under -geometry, and the other options keeping
// their toolkit meaning; and on a high-density desktop, all of it scaled. The
// private server has no window manager, and its screen is
// private_screen_width x private_screen_height.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deadline.h"
#include "program_table.h"
#include "recorded_frame.h"
#include "running_program.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

constexpr int screen_width = private_screen_width, screen_height = private_screen_height;

// What a geometry string should give a program: a size and place of its own
// when it has them, else what the string says.
struct GeometryCase {
    const char* typed;
    int width, height; // 0: the row's size, or the toolkit's 300 x 300
    enum { top_left, from_left, from_right } place;
    int x, y; // offsets from the left and top, or from the right and bottom
};

const GeometryCase geometry_cases[] = {
    {"+10+10", 0, 0, GeometryCase::from_left, 10, 10},
    {"-100-100", 0, 0, GeometryCase::from_right, 100, 100},
    {"-0-0", 0, 0, GeometryCase::from_right, 0, 0},
    {"0x0", 0, 0, GeometryCase::top_left, 0, 0},
    {"1x0", 0, 0, GeometryCase::top_left, 0, 0},
    {"x", 0, 0, GeometryCase::top_left, 0, 0},
    {"40000x40000", screen_width, screen_height, GeometryCase::top_left, 0, 0},
    {"200x150+30+40", 200, 150, GeometryCase::from_left, 30, 40},
    {"200x200-0-0", 200, 200, GeometryCase::from_right, 0, 0},
};

// The resources a desktop publishes on the screen's root window, as xrdb does.
void publish_resources(Display* display, const std::string& text)
{
    XChangeProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    XSync(display, False);
}

} // namespace

TEST_P(EveryProgram, GeometryGivesAWholeWindowOnTheScreen)
{
    const ProgramRow& row = GetParam();
    const std::string exe = binary(row.name);
    for (const GeometryCase& c : geometry_cases) {
        SCOPED_TRACE(std::string("-geometry ") + c.typed);
        RunningProgram running(exe, title_for(row, exe), {exe, "-geometry", c.typed});
        ASSERT_NE(running.window(), 0u) << "no window; stderr: " << read_stderr(running.process());
        const WindowGeometry g = running.placed();
        const int width = row.width > 0 ? row.width : c.width > 0 ? c.width : toolkit_default_size;
        const int height = row.height > 0 ? row.height : c.height > 0 ? c.height : toolkit_default_size;
        int x = c.x, y = c.y;
        if (row.x >= 0) {
            x = row.x;
            y = row.y;
        } else if (c.place == GeometryCase::from_right) {
            x = screen_width - width - c.x;
            y = screen_height - height - c.y;
        }
        EXPECT_EQ(g.width, width);
        EXPECT_EQ(g.height, height);
        EXPECT_EQ(g.x, x);
        EXPECT_EQ(g.y, y);
        EXPECT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; })) << "nothing drawn";
        EXPECT_TRUE(running.still_running()) << read_stderr(running.process());
    }
}

TEST_P(EveryProgram, OtherToolkitOptionsKeepTheirMeaning)
{
    const ProgramRow& row = GetParam();
    const std::string exe = binary(row.name);
    {
        // Synchronous X, a GL error check after every frame, direct rendering.
        RunningProgram running(exe, title_for(row, exe), {exe, "-sync", "-gldebug", "-direct"});
        ASSERT_NE(running.window(), 0u) << "no window; stderr: " << read_stderr(running.process());
        EXPECT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; })) << "nothing drawn";
        EXPECT_TRUE(running.still_running()) << read_stderr(running.process());
        EXPECT_EQ(read_stderr(running.process()), "") << "-gldebug found GL errors";
    }
    {
        // Iconic: the window asks the window manager to start it as an icon.
        use_private_display();
        Display* display = open_display();
        ProgramProcess process = launch(exe, {exe, "-iconic"});
        const Window window = find_window(display, title_for(row, exe), 15.0);
        ASSERT_NE(window, 0u) << "no window; stderr: " << read_stderr(process);
        XWMHints* hints = nullptr;
        EXPECT_TRUE(poll_until(5.0, [&] { return (hints = XGetWMHints(display, window)) != nullptr; }));
        if (hints != nullptr) {
            EXPECT_TRUE(hints->flags & StateHint);
            EXPECT_EQ(hints->initial_state, IconicState);
            XFree(hints);
        }
        EXPECT_FALSE(wait_exit(process, 0.5).has_value()) << read_stderr(process);
        stop(process);
        XCloseDisplay(display);
    }
}

// A desktop at 200 % publishes Xft.dpi 192: every size and place the row or
// -geometry gives is doubled, and the picture is the program's own at the
// doubled size, as it draws when resized to it, not a stretched one.
TEST_P(EveryProgram, XftDpiScalesItsWindowAndDrawsAtTheScreensPixels)
{
    const ProgramRow& row = GetParam();
    const std::string exe = binary(row.name);
    use_private_display();
    Display* display = open_display();
    publish_resources(display, "Xft.antialias:\t1\nXft.dpi:\t192\n");
    {
        RunningProgram running(exe, title_for(row, exe), {exe, "-geometry", "300x200+10+10"}, true);
        ASSERT_NE(running.window(), 0u) << "no window; stderr: " << read_stderr(running.process());
        const WindowGeometry g = running.placed();
        EXPECT_EQ(g.width, 2 * (row.width > 0 ? row.width : 300));
        EXPECT_EQ(g.height, 2 * (row.height > 0 ? row.height : 200));
        EXPECT_EQ(g.x, 2 * (row.x >= 0 ? row.x : 10));
        EXPECT_EQ(g.y, 2 * (row.y >= 0 ? row.y : 10));
    }
    const int width = 2 * (row.width > 0 ? row.width : toolkit_default_size);
    const int height = 2 * (row.height > 0 ? row.height : toolkit_default_size);
    const Image scaled = recorded_frame(row.name, {});
    publish_resources(display, "");
    const Image resized = recorded_frame(row.name, {"--size", std::to_string(width) + "x" + std::to_string(height)});
    ASSERT_EQ(scaled.width, width);
    ASSERT_EQ(scaled.height, height);
    ASSERT_EQ(resized.width, width);
    const int apart = pixels_apart(scaled, resized, pixel_tolerance);
    EXPECT_LE(apart, width * height / 200) << apart << " pixels of " << width * height
                                           << " differ by more than 8 from the program's own frame at that size";
    XCloseDisplay(display);
}

INSTANTIATE_TEST_SUITE_P(Options, EveryProgram, testing::ValuesIn(program_rows), row_name);
