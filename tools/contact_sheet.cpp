// Lays pictures out in a grid of equal cells, each scaled down to fit its
// cell with its shape kept, on a dark grey ground.
//
//   contact_sheet OUT.png COLUMNS CELL_SIZE IN.png...
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "png_io.h"

namespace {

constexpr int margin = 8;
const Rgb ground{48, 48, 48};

// The average of the source pixels that fall on each target pixel.
void place_scaled(Image& sheet, const Image& picture, int left, int top, int cell)
{
    const double scale = std::min(1.0, static_cast<double>(cell) / std::max(picture.width, picture.height));
    const int w = std::max(1, static_cast<int>(picture.width * scale));
    const int h = std::max(1, static_cast<int>(picture.height * scale));
    left += (cell - w) / 2;
    top += (cell - h) / 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int x0 = x * picture.width / w, x1 = std::max(x0 + 1, (x + 1) * picture.width / w);
            const int y0 = y * picture.height / h, y1 = std::max(y0 + 1, (y + 1) * picture.height / h);
            long r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const Rgb c = picture.at(sx, sy);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    ++n;
                }
            sheet.pixels[static_cast<size_t>(top + y) * sheet.width + left + x] = {
                static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
        }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: contact_sheet OUT.png COLUMNS CELL_SIZE IN.png...\n");
        return 2;
    }
    const int columns = std::max(1, std::atoi(argv[2]));
    const int cell = std::max(16, std::atoi(argv[3]));
    const int count = argc - 4;
    const int rows = (count + columns - 1) / columns;
    Image sheet{margin + columns * (cell + margin), margin + rows * (cell + margin), {}};
    sheet.pixels.assign(static_cast<size_t>(sheet.width) * sheet.height, ground);
    for (int i = 0; i < count; ++i) {
        const std::optional<Image> picture = read_png(argv[4 + i]);
        if (!picture) {
            std::fprintf(stderr, "contact_sheet: cannot read %s\n", argv[4 + i]);
            return 1;
        }
        const int left = margin + (i % columns) * (cell + margin);
        const int top = margin + (i / columns) * (cell + margin);
        place_scaled(sheet, *picture, left, top, cell);
    }
    if (!write_png(argv[1], sheet)) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
