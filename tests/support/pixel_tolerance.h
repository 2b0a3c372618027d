// How far a channel of a pixel may be from the expected colour before a test
// calls the two different: one figure for the C++ tests and the pages' tests,
// which the build gives both (DEMO_PIXEL_TOLERANCE).
#pragma once

constexpr int pixel_tolerance = DEMO_PIXEL_TOLERANCE;
