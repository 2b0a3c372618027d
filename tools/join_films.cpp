// Puts two films of the same length side by side, frame by frame, with a
// thin grey line between them.
//
//   join_films LEFT.webp RIGHT.webp OUT.webp
#include <algorithm>
#include <cstdio>

#include "png_io.h"
#include "webp_film.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: join_films LEFT.webp RIGHT.webp OUT.webp\n");
        return 2;
    }
    const std::optional<WebpFilm> left = read_webp_film(argv[1]), right = read_webp_film(argv[2]);
    if (!left || !right || left->frames.size() != right->frames.size()) {
        std::fprintf(stderr, "join_films: need two readable films of the same length\n");
        return 1;
    }
    constexpr int line = 4;
    WebpFilm joined{left->width + line + right->width, std::max(left->height, right->height), left->frame_ms, {}};
    for (size_t i = 0; i < left->frames.size(); ++i) {
        Image frame{joined.width, joined.height,
                    std::vector<Rgb>(static_cast<size_t>(joined.width) * joined.height, Rgb{96, 96, 96})};
        paste(frame, left->frames[i], 0, 0);
        paste(frame, right->frames[i], left->width + line, 0);
        joined.frames.push_back(std::move(frame));
    }
    if (!write_webp_film(argv[3], joined)) {
        std::fprintf(stderr, "join_films: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
