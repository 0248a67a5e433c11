#include <gtest/gtest.h>

#include <random>

#include "persistence/restore_any_bytes.h"
#include "persistence/saved_game_file.h"

namespace vorn {
namespace {

// The fuzz check on a fixed set of inputs: random bytes, and random runs of
// records whose fields are all small indices, which come close to real games.
TEST(RestoreAnyBytes, KeepsBoardAndHistoryInAgreement) {
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> bytes(1 + random() % 200);
    if (round % 2 == 0) {
      for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    } else {
      std::vector<PlayRec> records(random() % 14);
      for (auto& r : records) {
        r = PlayRec{
            static_cast<std::int16_t>(random() % 15), static_cast<std::int32_t>(random() % 15),
            static_cast<std::int16_t>(random() % 15), static_cast<std::int32_t>(random() % 15),
            static_cast<std::int16_t>(random() % 15)};
      }
      const std::string encoded = EncodePlayRecords(records.data(), records.size());
      bytes.assign(1, static_cast<std::uint8_t>(random()));
      bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    vorn::test::RestoreAnyBytes(bytes.data(), bytes.size());
  }
}

}  // namespace
}  // namespace vorn
