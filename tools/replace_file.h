// Writing a file whole or not at all: the bytes go to a temporary file
// beside it, which then takes the file's name. An interrupted run leaves the
// file that was there before as it was.
#pragma once

#include <cstddef>
#include <string>

// False, with the file untouched, if the bytes cannot all be written.
bool replace_file(const std::string& path, const void* bytes, std::size_t size);
