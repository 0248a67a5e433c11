#pragma once

#include <cstddef>
#include <cstdint>

namespace vorn::test {

// Restores a saved game made of arbitrary bytes (the first byte picks the
// level it is restored at) and aborts if the board and its history then
// disagree in any way.
void RestoreAnyBytes(const std::uint8_t* data, std::size_t size);

}  // namespace vorn::test
