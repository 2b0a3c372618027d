// Reading and writing 8-bit RGB PNG files.
#pragma once

#include <optional>
#include <string>

#include "rgb.h"

bool write_png(const std::string& path, const Image& image);

// Any PNG, converted to 8-bit RGB; nothing if the file cannot be read.
std::optional<Image> read_png(const std::string& path);

// The picture scaled down to fit a size x size square with its shape kept,
// each pixel the average of the pixels it covers; never scaled up.
Image scaled_to_fit(const Image& picture, int size);

// Copies the picture into target with its top-left corner at (left, top).
void paste(Image& target, const Image& picture, int left, int top);
