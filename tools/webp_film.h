// Films as animated WebP files: lossless, looping, at a fixed frame rate,
// written and read through libwebp's animation encoder and decoder.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rgb.h"

// The films' frame period: 25 frames a second.
constexpr int film_frame_ms = 40;

struct WebpFilm {
    int width = 0, height = 0;
    int frame_ms = film_frame_ms;
    std::vector<Image> frames;
};

// False if libwebp refuses a frame or the file cannot be written.
bool write_webp_film(const std::string& path, const WebpFilm& film);

// Every frame of an animated (or still) WebP file, or nothing. The encoder
// merges a run of equal frames into one longer frame; they come back as
// frame_ms frames each again.
std::optional<WebpFilm> read_webp_film(const std::string& path, int frame_ms = film_frame_ms);
