// What the tests of scaled windows compare a window with: the program's own
// frame, drawn by its recorder on the test's X server, and the count of
// pixels two pictures differ in. DEMO_TOOLS_DIR names the recorders' folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "pixel_tolerance.h"
#include "png_io.h"
#include "x_client.h"

// How many pixels differ from the reference, of the same size, by more than
// the tolerance.
inline int pixels_apart(const Image& seen, const Image& reference, int tolerance)
{
    int apart = 0;
    for (size_t i = 0; i < seen.pixels.size(); ++i)
        apart += !within(seen.pixels[i], reference.pixels[i], tolerance);
    return apart;
}

// The program's first frame as its recorder draws it on the server DISPLAY
// names, with the recorder's options (--size WxH: after a resize to that
// size). A recorder that fails fails the test and gives an empty picture.
inline Image recorded_frame(const std::string& name, const std::vector<std::string>& options)
{
    const std::string out = testing::TempDir() + name + "-" + std::to_string(getpid()) + ".png";
    std::vector<std::string> args{name + "_record", "--frame", out};
    args.insert(args.end(), options.begin(), options.end());
    setenv("DEMO_TEST_DISPLAY", std::getenv("DISPLAY"), 1);
    ProgramProcess recorder = launch(std::string(DEMO_TOOLS_DIR) + "/" + name + "_record", args);
    const std::optional<int> status = wait_exit(recorder, 30.0);
    EXPECT_EQ(status, 0) << name << "_record: " << read_stderr(recorder);
    const std::optional<Image> image = read_png(out);
    EXPECT_TRUE(image.has_value()) << name << "_record wrote no picture";
    unlink(out.c_str());
    return image.value_or(Image{});
}
