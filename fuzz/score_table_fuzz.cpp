// Feeds raw bytes to the score-file parser that the game reads Score.dat with. Fewer than 286
// bytes must be a read error; otherwise every record must come back byte for byte, every
// name must be shown as text that encodes back to its bytes, and sorting must only reorder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/score_table.h"
#include "fuzz/fuzz_check.h"
#include "platform/io_error.h"

using fuzz_check::Expect;

namespace {

constexpr std::size_t kTableBytes = std::size_t(engine::kScoreSlots) * engine::kScoreRecordBytes;

void CheckRecord(const engine::TScoreRecord& record, std::string_view stored) {
  const auto bytes = record.ToBytes();
  Expect(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()) == stored,
         "a record does not write back as it was read");

  const std::size_t length = std::min<std::size_t>(record.PlayerName[0], engine::kNameChars);
  const std::string name(reinterpret_cast<const char*>(record.PlayerName.data()) + 1, length);
  Expect(engine::EncodeName(engine::DecodeName(record)) == name, "a shown name does not encode back to its bytes");

  const int percent = engine::DisplayedPercent(record);
  const int score = engine::DisplayedScore(record);
  Expect(percent >= -engine::kPercentOffset && percent <= 0xFFFF - engine::kPercentOffset, "percentage out of range");
  Expect(score >= -engine::kScoreOffset && score <= 0xFFFF - engine::kScoreOffset, "score out of range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  engine::TScoreTable table;
  try {
    table = engine::ParseScoreTable(bytes);
  } catch (const platform::EInOutError& error) {
    Expect(std::string(error.what()) == "Read beyond end of file", std::string("unexpected error ") + error.what());
    Expect(size < kTableBytes, "a read error on a whole table");
    return 0;
  }
  Expect(size >= kTableBytes, "a short table was accepted");
  for (std::size_t k = 0; k < table.size(); ++k)
    CheckRecord(table[k], bytes.substr(k * engine::kScoreRecordBytes, engine::kScoreRecordBytes));

  engine::TScoreTable sorted = table;
  engine::SortScoreTable(sorted);
  Expect(std::is_permutation(sorted.begin(), sorted.end(), table.begin(), table.end()), "sorting lost a record");
  for (std::size_t k = 1; k < sorted.size(); ++k)
    Expect(engine::ScrambleWord(sorted[k - 1].Percent) >= engine::ScrambleWord(sorted[k].Percent),
           "the sorted table is out of order");
  return 0;
}
