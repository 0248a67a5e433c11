// libFuzzer entry: restoring any file leaves a consistent game.
#include "persistence/restore_any_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vorn::test::RestoreAnyBytes(data, size);
  return 0;
}
