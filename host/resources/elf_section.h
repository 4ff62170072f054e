// Reads one section of an ELF64 little-endian file without loading it.
//
// The host takes a plug-in's resources from its library file this way, so it
// never runs plug-in code to learn what the plug-in is. Every offset and size
// in the file is checked against the file's length: junk input gives an
// error, never an out-of-bounds read.
#pragma once

#include "host/resources/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::host {

using Bytes = std::vector<uint8_t>;

// The contents of the section called name in the file at path. Errors: the
// path is not a readable regular file, the file is not ELF64 little-endian,
// a header or table lies outside the file, or no section has that name.
// Error offsets are file offsets.
Parsed<Bytes> ReadElfSection(const std::string& path, const std::string& name);

// The same on a file already in memory.
Parsed<Bytes> FindElfSection(const Bytes& file, const std::string& name);

}  // namespace corvane::host
