// Reading and writing 8-bit RGB PNG files.
#pragma once

#include <optional>
#include <string>

#include "rgb.h"

bool write_png(const std::string& path, const Image& image);

// Any PNG, converted to 8-bit RGB; nothing if the file cannot be read.
std::optional<Image> read_png(const std::string& path);
