#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "board/form1.h"

namespace vorn {

// A saved game is a header-less run of these records, one per jump: the
// fields of PlayRec in order, little-endian, without padding.
constexpr std::size_t kPlayRecBytes = 14;

std::string EncodePlayRecords(const PlayRec* records, std::size_t count);

// Every whole record of the bytes; a shorter piece at the end is ignored.
std::vector<PlayRec> DecodePlayRecords(const std::string& bytes);

}  // namespace vorn
