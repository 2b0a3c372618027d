// The Windows programs, cross-built with mingw-w64, run under Wine on the
// test's private X server: Wine hands their GL to the same Mesa, so they must
// open the same windows, draw the same pictures and take the same input as
// the Linux programs. The Wine prefix is the build's own, never the user's.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "deadline.h"
#include "png_io.h"
#include "program_table.h"
#include "recorded_frame.h"
#include "running_program.h"

namespace {

std::string windows_binary(const std::string& name) { return std::string(DEMO_WINDOWS_BIN_DIR) + "/" + name + ".exe"; }

// Wine names a program by its path as Windows sees it, and a program titled
// with its invocation name shows that.
std::string windows_path(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

std::vector<std::string> under_wine(const std::string& name, const std::vector<std::string>& options = {})
{
    std::vector<std::string> args{DEMO_WINE, windows_binary(name)};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

// Runs a command that ends by itself, capturing its standard output.
std::string output_of(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
            text.append(chunk, n);
        pclose(pipe);
    }
    return text;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// Wine's processes of one test end with it: the next test starts them again
// on its own X server.
class WindowsProgram : public testing::TestWithParam<ProgramRow> {
protected:
    void SetUp() override
    {
        setenv("WINEPREFIX", DEMO_WINE_PREFIX, 1);
        setenv("WINEDEBUG", "-all", 1);
        // No offer to install Wine's .NET and HTML engines, which nothing here uses.
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        use_private_display();
    }
    void TearDown() override { end_wine(); }

    // Ends Wine's processes in the prefix WINEPREFIX names. Fails only where
    // none is left, which is as good.
    static void end_wine()
    {
        if (std::system("wineserver -k 2>/dev/null") != 0)
            return;
    }

    // The window the program opens under Wine, found by its title.
    static std::string title(const ProgramRow& row) { return title_for(row, windows_path(windows_binary(row.name))); }
};

} // namespace

TEST_P(WindowsProgram, AnswersHelpAndVersionAsTheLinuxProgramDoes)
{
    const ProgramRow& row = GetParam();
    for (const char* option : {"--help", "--version"}) {
        SCOPED_TRACE(option);
        std::string windows = output_of(quoted(DEMO_WINE) + " " + quoted(windows_binary(row.name)) + " " + option);
        const std::string linux = output_of(quoted(binary(row.name)) + " " + option);
        ASSERT_FALSE(linux.empty());
        // Text on Windows ends its lines with CR LF.
        EXPECT_NE(windows.find("\r\n"), std::string::npos) << windows;
        windows.erase(std::remove(windows.begin(), windows.end(), '\r'), windows.end());
        EXPECT_EQ(windows, linux);
    }
}

TEST_P(WindowsProgram, OpensItsTitledWindowAtItsSizeAndDrawsTheLinuxPicture)
{
    const ProgramRow& row = GetParam();
    RunningProgram running(DEMO_WINE, title(row), under_wine(row.name));
    ASSERT_NE(running.window(), 0u) << "no window titled \"" << title(row)
                                    << "\"; stderr: " << read_stderr(running.process());
    EXPECT_EQ(running.placed().width, row.width > 0 ? row.width : toolkit_default_size);
    EXPECT_EQ(running.placed().height, row.height > 0 ? row.height : toolkit_default_size);
    ASSERT_TRUE(poll_until(15.0, [&] { return lit_pixels(running.grab()) > 0; })) << "the window stays black";

    if (moves(row)) {
        const Image first = running.grab();
        EXPECT_TRUE(poll_until(10.0, [&] { return running.grab().pixels != first.pixels; }))
            << "the picture does not move";
        return;
    }
    // The gallery shows a film of a program that takes input, and no picture
    // of it as it starts.
    if (catalogue_entry(row).film)
        return;
    // A still program draws what the gallery, made from the Linux program, shows.
    const std::optional<Image> gallery = read_png(std::string(DEMO_SOURCE_DIR) + "/docs/gallery/" + row.name + ".png");
    ASSERT_TRUE(gallery.has_value());
    Image seen;
    const int allowed = gallery->width * gallery->height / 200; // half a percent, along edges
    const bool alike = poll_until(10.0, [&] {
        seen = running.grab();
        return seen.width == gallery->width && seen.height == gallery->height &&
               pixels_apart(seen, *gallery, pixel_tolerance) <= allowed;
    });
    ASSERT_EQ(seen.width, gallery->width);
    ASSERT_EQ(seen.height, gallery->height);
    EXPECT_TRUE(alike) << pixels_apart(seen, *gallery, pixel_tolerance)
                       << " pixels differ from the gallery's by more than " << pixel_tolerance << ", of " << allowed
                       << " allowed";
}

// At 150 % and 200 % (LogPixels 144 and 192 in a prefix of the test's own,
// wine_dpi_prefixes.sh), the window's drawing area is the program's size
// times the scale, and a still program draws what the Linux program draws
// at that size: sharp, not stretched.
TEST_P(WindowsProgram, OnADenseScreenOpensItsWindowAtItsSizeTimesTheScale)
{
    const ProgramRow& row = GetParam();
    for (const int dpi : {144, 192}) {
        SCOPED_TRACE("LogPixels " + std::to_string(dpi));
        end_wine(); // the last prefix's
        setenv("WINEPREFIX", (std::string(DEMO_WINE_PREFIX) + "-" + std::to_string(dpi)).c_str(), 1);
        const int width = (row.width > 0 ? row.width : toolkit_default_size) * dpi / 96;
        const int height = (row.height > 0 ? row.height : toolkit_default_size) * dpi / 96;
        RunningProgram running(DEMO_WINE, title(row), under_wine(row.name));
        ASSERT_NE(running.window(), 0u) << "no window; stderr: " << read_stderr(running.process());
        EXPECT_EQ(running.placed().width, width);
        EXPECT_EQ(running.placed().height, height);
        if (catalogue_entry(row).film)
            continue; // a moving picture, or one the input changes: only its size is known
        // The Linux program's first frame at that size, by its recorder on this server.
        const Image linux = recorded_frame(row.name, {"--size", std::to_string(width) + "x" + std::to_string(height)});
        ASSERT_EQ(linux.width, width);
        ASSERT_EQ(linux.height, height);
        Image seen;
        const int allowed = width * height / 200; // half a percent, along edges
        const bool alike = poll_until(10.0, [&] {
            seen = running.grab();
            return seen.width == width && seen.height == height &&
                   pixels_apart(seen, linux, pixel_tolerance) <= allowed;
        });
        ASSERT_EQ(seen.width, width);
        EXPECT_TRUE(alike) << pixels_apart(seen, linux, pixel_tolerance)
                           << " pixels differ from the Linux program's by more "
                           << "than " << pixel_tolerance << ", of " << allowed << " allowed";
    }
}

INSTANTIATE_TEST_SUITE_P(Wine, WindowsProgram, testing::ValuesIn(program_rows), row_name);

class WindowsInput : public WindowsProgram {};

TEST_F(WindowsInput, AKeyReachesMaterialSphereAndEscapeEndsItWithStatusZero)
{
    const ProgramRow& row = row_named("material_sphere");
    RunningProgram sphere(DEMO_WINE, title(row), under_wine(row.name));
    ASSERT_NE(sphere.window(), 0u) << read_stderr(sphere.process());
    // The centre goes from the tracked grey to the fixed material's green.
    auto grey = [&] {
        const Rgb c = sphere.centre();
        return c.g > 100 && c.r == c.g;
    };
    auto green = [&] {
        const Rgb c = sphere.centre();
        return c.g > 100 && c.r < 80;
    };
    ASSERT_TRUE(poll_until(15.0, grey)) << "centre " << sphere.centre();
    type_key(sphere.display(), sphere.window(), XK_o);
    EXPECT_TRUE(poll_until(10.0, green)) << "centre " << sphere.centre();
    type_key(sphere.display(), sphere.window(), XK_Escape);
    const std::optional<int> status = wait_exit(sphere.process(), 15.0);
    ASSERT_TRUE(status.has_value()) << "Escape did not end the program";
    EXPECT_EQ(*status, 0) << read_stderr(sphere.process());
}

TEST_F(WindowsInput, AClickTurnsColorCubeAboutAnotherAxis)
{
    const ProgramRow& row = row_named("color_cube");
    RunningProgram cube(DEMO_WINE, title(row), under_wine(row.name));
    ASSERT_NE(cube.window(), 0u) << read_stderr(cube.process());
    // Turning about z keeps the front face's middle at the centre; the left
    // button turns the cube about x, and other faces come to the centre.
    const Rgb front_middle{128, 128, 255};
    ASSERT_TRUE(poll_until(15.0, [&] { return within(cube.centre(), front_middle, 10); }))
        << "centre " << cube.centre();
    click(cube.display(), cube.window(), 1, 250, 250);
    EXPECT_TRUE(poll_until(10.0, [&] { return !within(cube.centre(), front_middle, 40); }))
        << "centre still " << cube.centre();
}

TEST_F(WindowsInput, APlaceFromTheBottomRightPutsTheWholeFrameOnTheScreen)
{
    const ProgramRow& row = row_named("solid_sphere");
    RunningProgram sphere(DEMO_WINE, title(row), under_wine(row.name, {"-geometry", "200x150-0-0"}), true);
    ASSERT_NE(sphere.window(), 0u) << read_stderr(sphere.process());
    // Wine shows the drawing area; the border and the title bar Windows puts
    // round it lie outside, a few pixels on the right and bottom. The window
    // is moved there just after it appears.
    const Screen* screen = DefaultScreenOfDisplay(sphere.display());
    WindowGeometry g;
    int right_margin = 0, bottom_margin = 0;
    poll_until(5.0, [&] {
        g = window_geometry(sphere.display(), sphere.window());
        right_margin = screen->width - (g.x + g.width);
        bottom_margin = screen->height - (g.y + g.height);
        return right_margin >= 0 && bottom_margin >= 0;
    });
    EXPECT_EQ(g.width, 200);
    EXPECT_EQ(g.height, 150);
    EXPECT_GE(right_margin, 0) << "the window lies past the right edge";
    EXPECT_GE(bottom_margin, 0) << "the window lies past the bottom edge";
    EXPECT_LE(right_margin, 12) << "a border this wide?";
    EXPECT_LE(bottom_margin, 12) << "a bottom border this wide?";
}

TEST_F(WindowsInput, ADisplayDeviceThatCannotBeOpenedEndsTheProgramWithStatusOne)
{
    ProgramProcess process = launch(DEMO_WINE, under_wine("line_stipple", {"-display", "nosuch:9"}));
    const std::optional<int> status = wait_exit(process, 30.0);
    const std::string message = read_stderr(process);
    stop(process);
    ASSERT_TRUE(status.has_value()) << "still running with -display nosuch:9";
    EXPECT_EQ(*status, 1) << message;
    EXPECT_NE(message.find("failed to open display 'nosuch:9'"), std::string::npos) << message;
}
