// Makes a square icon from a program's picture: scaled to fit, centred on
// black (the ground of every program's scene but one).
//
//   make_icon IN.png SIZE OUT.png
#include <cstdio>
#include <cstdlib>

#include "png_io.h"

int main(int argc, char** argv)
{
    if (argc != 4 || std::atoi(argv[2]) < 16) {
        std::fprintf(stderr, "usage: make_icon IN.png SIZE OUT.png\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    const std::optional<Image> picture = read_png(argv[1]);
    if (!picture) {
        std::fprintf(stderr, "make_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    Image icon{size, size, std::vector<Rgb>(static_cast<size_t>(size) * size, Rgb{0, 0, 0})};
    const Image scaled = scaled_to_fit(*picture, size);
    paste(icon, scaled, (size - scaled.width) / 2, (size - scaled.height) / 2);
    if (!write_png(argv[3], icon)) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
