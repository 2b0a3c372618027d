// Colours as 8-bit channels, and pictures read back from a window.
#pragma once

#include <cstdlib>
#include <ostream>
#include <vector>

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// From components between 0 and 1.
inline Rgb rgb_from_unit(double r, double g, double b)
{
    auto channel = [](double v) { return static_cast<int>(v * 255.0 + 0.5); };
    return {channel(r), channel(g), channel(b)};
}

inline bool within(const Rgb& a, const Rgb& b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

inline std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// Rows from the top, as the window system stores them.
struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
