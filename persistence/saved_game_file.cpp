#include "persistence/saved_game_file.h"

namespace vorn {

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t GetLittleEndian(const std::string& in, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    value |= std::uint32_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
  }
  return value;
}

}  // namespace

std::string EncodePlayRecords(const PlayRec* records, std::size_t count) {
  std::string out;
  out.reserve(count * kPlayRecBytes);
  for (std::size_t i = 0; i < count; ++i) {
    const PlayRec& r = records[i];
    PutLittleEndian(out, static_cast<std::uint16_t>(r.FromLabel), 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(r.MovedBall), 4);
    PutLittleEndian(out, static_cast<std::uint16_t>(r.OverLabel), 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(r.EatenBall), 4);
    PutLittleEndian(out, static_cast<std::uint16_t>(r.ToLabel), 2);
  }
  return out;
}

std::vector<PlayRec> DecodePlayRecords(const std::string& bytes) {
  std::vector<PlayRec> records;
  records.reserve(bytes.size() / kPlayRecBytes);
  for (std::size_t at = 0; at + kPlayRecBytes <= bytes.size(); at += kPlayRecBytes) {
    PlayRec r;
    r.FromLabel = static_cast<std::int16_t>(GetLittleEndian(bytes, at, 2));
    r.MovedBall = static_cast<std::int32_t>(GetLittleEndian(bytes, at + 2, 4));
    r.OverLabel = static_cast<std::int16_t>(GetLittleEndian(bytes, at + 6, 2));
    r.EatenBall = static_cast<std::int32_t>(GetLittleEndian(bytes, at + 8, 4));
    r.ToLabel = static_cast<std::int16_t>(GetLittleEndian(bytes, at + 12, 2));
    records.push_back(r);
  }
  return records;
}

}  // namespace vorn
