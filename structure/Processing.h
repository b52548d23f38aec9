#pragma once
// `process` steps: zlib through zlib itself, and xor and rotations.
#include "structure/Definition.h"
#include "structure/Value.h"

#include <cstdint>
#include <string>
#include <vector>

namespace structure {

// Throws DataError for bad compressed data, output past `maxOutput`, or
// arguments that do not fit.
std::string applyProcess(ProcessKind kind, const std::string& raw, const std::vector<Value>& args,
                         std::uint64_t maxOutput);

} // namespace structure
