#pragma once

#include <string_view>

namespace vorn {

// The SHA-1 digest, in hex, of a picture compiled into the program
// (":/assets/board.svg"), taken when the program was built; empty for any
// other name. It tells a picture's version without reading the picture.
std::string_view BuiltPictureDigest(std::string_view resource);

}  // namespace vorn
