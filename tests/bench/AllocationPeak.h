#pragma once
// Heap bytes this process holds, and the most it held since the last reset:
// operator new and delete are counted (AllocationPeak.cpp replaces them).
#include <cstddef>

namespace allocation_peak {

std::size_t live();
// The peak starts again from what is held now.
void reset();
std::size_t peak();

}  // namespace allocation_peak
