#pragma once
// Writes an XM module (version 1.04, linear frequency table, 16-bit samples).

#include <cstdint>
#include <string>
#include <vector>

#include "xm/XmModule.h"

namespace xm {

// The whole file as bytes; throws std::invalid_argument naming the first field that breaks the
// format's rules (a count, a range, an order past the last pattern, a loop past a sample's end).
std::vector<uint8_t> SerializeModule(const Module& module);

// Serializes and writes to path; throws std::runtime_error when the file cannot be written.
void WriteModule(const std::string& path, const Module& module);

}  // namespace xm
