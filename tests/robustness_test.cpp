// Every program under hostile conditions: no display, no arguments, a
// storm of resizes, a flood of input, and long runs watched for memory growth.
#include <X11/keysym.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "deadline.h"
#include "mesa_quirks.h"
#include "program_table.h"
#include "running_program.h"
#include "sanitizers.h"

#include <GL/glx.h>
#include <X11/Xutil.h>

namespace {

// The program started as a user would, by its path.
RunningProgram started(const ProgramRow& row)
{
    return RunningProgram(binary(row.name), title_for(row, binary(row.name)));
}

} // namespace

TEST_P(EveryProgram, EndsAtOnceWithTheToolkitsMessageWhenThereIsNoDisplay)
{
    const ProgramRow& row = GetParam();
    ProgramProcess unset = launch(binary(row.name), {binary(row.name)}, {"DISPLAY"});
    ProgramProcess unreachable = launch(binary(row.name), {binary(row.name), "-display", ":4242"});
    const std::optional<int> unset_status = wait_exit(unset, 10.0);
    const std::optional<int> unreachable_status = wait_exit(unreachable, 10.0);
    const std::string unset_message = read_stderr(unset);
    const std::string unreachable_message = read_stderr(unreachable);
    stop(unset);
    stop(unreachable);

    ASSERT_TRUE(unset_status.has_value()) << "hangs without DISPLAY";
    EXPECT_NE(*unset_status, 0);
    EXPECT_LT(*unset_status, 128) << "crashed without DISPLAY";
    EXPECT_NE(unset_message.find("display"), std::string::npos) << unset_message;

    ASSERT_TRUE(unreachable_status.has_value()) << "hangs with -display :4242";
    EXPECT_NE(*unreachable_status, 0);
    EXPECT_LT(*unreachable_status, 128) << "crashed with -display :4242";
    EXPECT_NE(unreachable_message.find(":4242"), std::string::npos) << unreachable_message;
}

TEST_P(EveryProgram, OpensTitledWithItsOwnNameWhenStartedWithoutArguments)
{
    const ProgramRow& row = GetParam();
    RunningProgram running(binary(row.name), title_for(row, row.name), std::vector<std::string>{});
    // An empty argument list: no argv[0] at all.
    ASSERT_NE(running.window(), 0u) << "no window titled " << title_for(row, row.name)
                                    << "; stderr: " << read_stderr(running.process());
    EXPECT_TRUE(running.still_running());
}

TEST_P(EveryProgram, EndsWithStatusZeroAndNoXErrorWhenItsWindowIsClosed)
{
    // Closed as a window manager closes it, once it has drawn; Escape, where
    // the program takes it, in a second run.
    const ProgramRow& row = GetParam();
    for (const bool by_escape : {false, true}) {
        if (by_escape && !catalogue_entry(row).escape_quits)
            continue;
        RunningProgram running = started(row);
        ASSERT_NE(running.window(), 0u);
        SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(!running.double_buffered());
        ASSERT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; })) << "nothing drawn";
        if (by_escape)
            type_key(running.display(), running.window(), XK_Escape);
        else
            close_window(running.display(), running.window());
        running.expect_clean_exit(by_escape ? "Escape" : "closing the window");
    }
}

TEST_P(EveryProgram, ACrashFailsTheTestAtOnceWithTheProgramsExitStatus)
{
    const ProgramRow& row = GetParam();
    RunningProgram running = started(row);
    ASSERT_NE(running.window(), 0u);
    kill(running.process().pid, SIGKILL);
    ASSERT_TRUE(wait_exit(running.process(), 5.0).has_value()) << "SIGKILL did not end the program";
    // Reading, clicking and typing at a window that is gone return at once,
    // and the test fails once, with how the program ended.
    const Deadline bound(5.0);
    EXPECT_NONFATAL_FAILURE(
        {
            for (int i = 0; i < 3; ++i) {
                running.centre();
                click(running.display(), running.window(), 1, 10, 10);
                type_key(running.display(), running.window(), XK_space);
            }
        },
        "the program ended with status 137");
    EXPECT_FALSE(bound.passed()) << "input to a window that is gone waited";
}

TEST_P(EveryProgram, SurvivesAResizeStormAndRepaintsRightAfterIt)
{
    const ProgramRow& row = GetParam();
    RunningProgram running = started(row);
    ASSERT_NE(running.window(), 0u);
    Display* d = running.display();
    if (on_softpipe() && !running.double_buffered())
        GTEST_SKIP() << "Mesa 22.3's softpipe reads a single-buffered window back through MIT-SHM while it is "
                        "being resized and, in some runs of this storm, crashes inside the driver (SIGSEGV); "
                        "the llvmpipe pass runs it";
    std::mt19937 random(12345);
    for (auto [w, h] : {std::pair{1, 1}, std::pair{1, 900}, std::pair{2000, 1}})
        resize_window(d, running.window(), w, h);
    for (int i = 0; i < 60; ++i)
        resize_window(d, running.window(), 1 + static_cast<int>(random() % 1200), 1 + static_cast<int>(random() % 900));
    resize_window(d, running.window(), 600, 300);
    ASSERT_TRUE(poll_until(10.0,
                           [&] {
                               const WindowGeometry g = window_geometry(d, running.window());
                               return g.width == 600 && g.height == 300;
                           }))
        << "the window never became 600 x 300; exit status " << wait_exit(running.process(), 0.0).value_or(-1)
        << "; stderr: " << read_stderr(running.process());
    EXPECT_TRUE(running.still_running()) << read_stderr(running.process());
    if (std::string(row.name) == "color_cube") {
        // Turning about z, the cube shows one face: a square of side 2 in a
        // view 4 units high is 150 pixels a side, at any angle.
        EXPECT_TRUE(poll_until(10.0, [&] { return std::abs(lit_pixels(running.grab()) - 150 * 150) < 700; }))
            << "lit pixels " << lit_pixels(running.grab()) << ", expected about " << 150 * 150;
    } else {
        EXPECT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; }))
            << "nothing drawn in a " << running.grab().width << " x " << running.grab().height
            << " window; exit status " << wait_exit(running.process(), 0.0).value_or(-1)
            << "; stderr: " << read_stderr(running.process());
    }
}

TEST_P(EveryProgram, KeepsRunningThroughAFloodOfInput)
{
    const ProgramRow& row = GetParam();
    RunningProgram running = started(row);
    ASSERT_NE(running.window(), 0u);
    Display* d = running.display();
    const WindowGeometry g = window_geometry(d, running.window());
    const unsigned long keys[] = {XK_space, XK_o, XK_1, XK_2, XK_F1, XK_Left, XK_Up, XK_Return, XK_a};
    std::mt19937 random(777);
    auto anywhere = [&](int size) { return static_cast<int>(random() % static_cast<unsigned>(size)); };
    for (int i = 0; i < 300; ++i) {
        switch (random() % 3) {
        case 0: click(d, running.window(), 1 + anywhere(5), anywhere(g.width), anywhere(g.height)); break;
        case 1: { // a drag
            const int b = 1 + anywhere(3);
            pointer_to(d, running.window(), anywhere(g.width), anywhere(g.height));
            button(d, b, true);
            for (int step = 0; step < 5; ++step)
                pointer_to(d, running.window(), anywhere(g.width), anywhere(g.height));
            button(d, b, false);
            break;
        }
        default: type_key(d, running.window(), keys[random() % std::size(keys)], random() % 4 == 0);
        }
    }
    EXPECT_TRUE(running.still_running()) << read_stderr(running.process());
    if (catalogue_entry(row).escape_quits) {
        SKIP_WHERE_SOFTPIPE_CANNOT_END_SINGLE_BUFFERED(!running.double_buffered());
        type_key(d, running.window(), XK_Escape);
        const std::optional<int> status = wait_exit(running.process(), 10.0);
        ASSERT_TRUE(status.has_value()) << "Escape no longer ends it";
        EXPECT_EQ(*status, 0);
    } else {
        // The window still answers: it repaints after being uncovered.
        XClearArea(d, running.window(), 0, 0, 0, 0, True);
        XSync(d, False);
        EXPECT_TRUE(poll_until(5.0, [&] { return running.still_running() && lit_pixels(running.grab()) > 0; }));
    }
}

TEST_P(EveryProgram, ResidentMemoryDoesNotGrowOverALongRun)
{
#if DEMO_ADDRESS_SANITIZER
    GTEST_SKIP() << "under AddressSanitizer resident memory measures its quarantine, not the program";
#endif
    if (on_softpipe())
        GTEST_SKIP() << "the stretches are timed for llvmpipe's frame rate; under softpipe the driver's own caches "
                        "grow through them (the llvmpipe pass and LeakSanitizer watch the programs' memory)";
    const ProgramRow& row = GetParam();
    RunningProgram running = started(row);
    ASSERT_NE(running.window(), 0u);
    Display* d = running.display();
    const pid_t pid = running.process().pid;
    ASSERT_TRUE(poll_until(10.0, [&] { return lit_pixels(running.grab()) > 0; })) << "nothing drawn";
    // Exposures paced so that each one gets a repaint of its own.
    auto repaint = [&](int n) {
        for (int i = 0; i < n; ++i) {
            XClearArea(d, running.window(), 0, 0, 0, 0, True);
            XSync(d, False);
            let_run_for(0.003);
        }
    };

    // Resident memory is read at the end of each of five equal stretches of
    // running. The driver and the allocator sometimes take a megabyte or more
    // in one step, at a moment of their own; a leak grows memory in every
    // stretch. So the stretch that grew least must stay flat. A leak of a
    // kilobyte a frame of animation, or of ten kilobytes a repaint, fails it;
    // smaller ones hide in heap the allocator already holds for this long.
    auto run_stretch = [&] {
        if (moves(row))
            let_run_for(2.0);
        else
            repaint(60);
    };
    run_stretch(); // the first frames settle the driver's own buffers
    std::vector<long> samples{resident_kilobytes(pid)};
    for (int i = 0; i < 5; ++i) {
        run_stretch();
        samples.push_back(resident_kilobytes(pid));
    }
    ASSERT_GT(samples.front(), 0);
    EXPECT_TRUE(running.still_running());
    long least_growth = samples[1] - samples[0];
    std::string trace;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        trace += std::to_string(samples[i]) + " kB ";
        if (i > 0)
            least_growth = std::min(least_growth, samples[i] - samples[i - 1]);
    }
    EXPECT_LT(least_growth, 64) << "resident memory grew in every stretch: " << trace;
}

INSTANTIATE_TEST_SUITE_P(Robustness, EveryProgram, testing::ValuesIn(program_rows), row_name);
