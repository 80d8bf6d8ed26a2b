#pragma once
// The high-score table: eleven results (ten places and the working slot 10), their scrambled
// numbers, the sort, and the file "Score.dat" that holds them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/bubble.h"

namespace engine {

constexpr int kNameChars = 20;         // name bytes after the length byte
constexpr int kScoreRecordBytes = 26;  // one record on disk
constexpr int kScoreSlots = 11;        // slots 0 to 9 are shown, slot 10 takes a new result
constexpr int kPercentOffset = 201;    // added to a percentage before it is scrambled
constexpr int kScoreOffset = 302;      // added to a bubble count before it is scrambled

// One result. On disk: length byte, 20 name bytes (ISO-8859-2), a filler byte, then Score and
// Percent as little-endian words; the file is written from the bytes of ToBytes, never from
// the struct's memory.
struct TScoreRecord {
  std::array<std::uint8_t, 1 + kNameChars> PlayerName{};  // [0] is the length
  std::uint8_t Filler = 0;
  std::uint16_t Score = 0;    // ScrambleWord(bubble count + 302)
  std::uint16_t Percent = 0;  // ScrambleWord(percentage + 201); the sort key

  using Bytes = std::array<std::uint8_t, kScoreRecordBytes>;
  Bytes ToBytes() const;
  static TScoreRecord FromBytes(const Bytes& bytes);
  bool operator==(const TScoreRecord&) const = default;
};
static_assert(sizeof(TScoreRecord) == kScoreRecordBytes);

using TScoreTable = std::array<TScoreRecord, kScoreSlots>;
using TBits = std::array<std::uint8_t, 16>;

// A fixed exchange of six bit pairs (0↔14, 1↔9, 2↔5, 3↔13, 4↔6, 7↔15); it undoes itself.
std::uint16_t ScrambleWord(std::uint16_t value);
void WordToBits(std::uint16_t value, TBits& bits);
void SwapBitPairs(const TBits& bits, TBits& swapped);
std::uint16_t BitsToWord(const TBits& bits);

// "Empty", score 0, percentage 0; the bytes that carry nothing are zero.
TScoreRecord DefaultScoreRecord();

// Orders the table by Percent, highest first. The inner loop restarts at 0 on purpose: it
// fixes where records of equal percentage end up, so slot 10 keeps a tie with the ten places.
void SortScoreTable(TScoreTable& table);

// Creates the file with eleven default records when no entry of that name exists, then reads
// the first eleven records. Throws platform::EInOutError ("Read beyond end of file" for a
// file shorter than 286 bytes).
TScoreTable LoadScoreTable(const std::string& path);
// The table held by the first 286 bytes of a score file's contents; fewer bytes throw
// platform::EInOutError ("Read beyond end of file"). LoadScoreTable reads through this.
TScoreTable ParseScoreTable(std::string_view bytes);
// Sorts the table, then replaces the file with its eleven records in one step: a failed
// write leaves the previous file as it was. Throws platform::EInOutError.
void SaveScoreTable(TScoreTable& table, const std::string& path);

// Renames a score file that could not be read to the first free name of "<path>.damaged",
// "<path>.damaged-2", ... and returns that name, so a new table never overwrites it.
std::string KeepAside(const std::string& path);

// Names are stored one byte per character in ISO-8859-2, which covers Czech and English.
// Encoding keeps at most 20 characters; one that the code page lacks, or a broken UTF-8
// sequence, becomes '?'.
std::string EncodeName(std::string_view utf8);
std::string EncodeName(const std::u16string& text);
// The significant name bytes as UTF-8; a length byte above 20 shows the 20 bytes there are.
std::string DecodeName(const TScoreRecord& record);

// Stores a won game in the working slot: the name, the winner's bubble count, and the
// winner's percentage (Blue's share cut toward zero, Green's 100 minus that). Name bytes past
// the new length keep what they held.
void FillResult(TScoreRecord& slot, const std::string& nameUtf8, Player winner, int BlueCount, int GreenCount,
                int TotalCount);
// What the high-score window shows; negative for a damaged record.
int DisplayedPercent(const TScoreRecord& record);
int DisplayedScore(const TScoreRecord& record);

}  // namespace engine
