#include "engine/score_table.h"

#include <algorithm>
#include <utility>

#include "platform/binary_file.h"

namespace engine {

namespace {

constexpr std::size_t kScoreAt = 22;
constexpr std::size_t kPercentAt = 24;

void PutWord(TScoreRecord::Bytes& bytes, std::size_t at, std::uint16_t word) {
  bytes[at] = std::uint8_t(word & 0xFF);
  bytes[at + 1] = std::uint8_t(word >> 8);
}

std::uint16_t GetWord(const TScoreRecord::Bytes& bytes, std::size_t at) {
  return std::uint16_t(bytes[at] | (bytes[at + 1] << 8));
}

// ---- ISO-8859-2 ----

// Unicode of the bytes 0xA0 to 0xFF; the bytes below 0xA0 are the code points of their value.
constexpr std::array<char16_t, 96> kLatin2Upper = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7,  // A0
    0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD, 0x017D, 0x017B,  // A8
    0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,  // B0
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

constexpr char32_t kInvalid = 0xFFFFFFFF;  // a broken sequence; it encodes as '?'

char LatinByteOf(char32_t cp) {
  if (cp < 0xA0) return char(cp);
  const auto it = std::find(kLatin2Upper.begin(), kLatin2Upper.end(), cp);
  if (it == kLatin2Upper.end()) return '?';
  return char(0xA0 + (it - kLatin2Upper.begin()));
}

char32_t CodePointOf(std::uint8_t byte) { return byte < 0xA0 ? char32_t(byte) : kLatin2Upper[byte - 0xA0u]; }

// Decodes one UTF-8 character at text[i] and moves i past it; a malformed sequence (stray
// continuation byte, overlong form, surrogate, value above U+10FFFF) yields kInvalid and
// consumes one byte.
char32_t NextUtf8(std::string_view text, std::size_t& i) {
  const auto lead = std::uint8_t(text[i++]);
  if (lead < 0x80) return lead;
  int extra;
  char32_t cp;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07u;
  } else {
    return kInvalid;
  }
  const std::size_t start = i;
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (std::uint8_t(text[i]) & 0xC0) != 0x80) {
      i = start;
      return kInvalid;
    }
    cp = (cp << 6) | (std::uint8_t(text[i++]) & 0x3Fu);
  }
  constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    i = start;
    return kInvalid;
  }
  return cp;
}

// Decodes one UTF-16 character; a lone surrogate yields kInvalid.
char32_t NextUtf16(const std::u16string& text, std::size_t& i) {
  const char16_t unit = text[i++];
  if (unit < 0xD800 || unit > 0xDFFF) return unit;
  if (unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF) {
    const char16_t low = text[i++];
    return 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
  }
  return kInvalid;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

template <typename Text, typename Next>
std::string EncodeWith(const Text& text, Next next) {
  std::string bytes;
  std::size_t i = 0;
  while (i < text.size() && bytes.size() < std::size_t(kNameChars)) {
    const char32_t cp = next(text, i);
    bytes += cp == kInvalid ? '?' : LatinByteOf(cp);
  }
  return bytes;
}

}  // namespace

// ---- records ----

TScoreRecord::Bytes TScoreRecord::ToBytes() const {
  Bytes bytes{};
  std::copy(PlayerName.begin(), PlayerName.end(), bytes.begin());
  bytes[PlayerName.size()] = Filler;
  PutWord(bytes, kScoreAt, Score);
  PutWord(bytes, kPercentAt, Percent);
  return bytes;
}

TScoreRecord TScoreRecord::FromBytes(const Bytes& bytes) {
  TScoreRecord r;
  std::copy_n(bytes.begin(), r.PlayerName.size(), r.PlayerName.begin());
  r.Filler = bytes[r.PlayerName.size()];
  r.Score = GetWord(bytes, kScoreAt);
  r.Percent = GetWord(bytes, kPercentAt);
  return r;
}

TScoreRecord DefaultScoreRecord() {
  TScoreRecord r;
  constexpr char kEmpty[] = "Empty";
  r.PlayerName[0] = std::uint8_t(sizeof kEmpty - 1);
  std::copy_n(kEmpty, sizeof kEmpty - 1, r.PlayerName.begin() + 1);
  r.Score = ScrambleWord(std::uint16_t(kScoreOffset));
  r.Percent = ScrambleWord(std::uint16_t(kPercentOffset));
  return r;
}

// ---- scrambling ----

void WordToBits(std::uint16_t value, TBits& bits) {
  bits.fill(0);
  for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = std::uint8_t((value >> i) & 1u);
}

void SwapBitPairs(const TBits& bits, TBits& swapped) {
  static constexpr std::pair<std::size_t, std::size_t> kPairs[] = {{0, 14}, {1, 9}, {2, 5}, {3, 13}, {4, 6}, {7, 15}};
  swapped = bits;
  for (const auto& [a, b] : kPairs) {
    swapped[a] = bits[b];
    swapped[b] = bits[a];
  }
}

std::uint16_t BitsToWord(const TBits& bits) {
  std::uint16_t result = 0;
  for (std::size_t i = 0; i < bits.size(); ++i) result = std::uint16_t(result + (unsigned(bits[i]) << i));
  return result;
}

std::uint16_t ScrambleWord(std::uint16_t value) {
  TBits bits, swapped;
  WordToBits(value, bits);
  SwapBitPairs(bits, swapped);
  return BitsToWord(swapped);
}

// ---- table ----

void SortScoreTable(TScoreTable& table) {
  const auto key = [&table](std::size_t k) { return ScrambleWord(table[k].Percent); };
  for (std::size_t i = 0; i < table.size(); ++i)
    for (std::size_t j = 0; j < table.size(); ++j)
      if (key(i) > key(j)) std::swap(table[i], table[j]);
}

namespace {
void WriteRecords(platform::BinaryFile& file, const TScoreTable& table) {
  for (const TScoreRecord& record : table) {
    const auto bytes = record.ToBytes();
    file.Write(bytes.data(), bytes.size());
  }
}
}  // namespace

TScoreTable LoadScoreTable(const std::string& path) {
  if (!platform::EntryExists(path)) {
    TScoreTable defaults;
    defaults.fill(DefaultScoreRecord());
    platform::WriteFileAtomically(path, [&](platform::BinaryFile& f) { WriteRecords(f, defaults); });
  }
  // Opened for reading only: a read-only table is still shown. Writing it back goes through
  // a new file renamed over this one.
  return ParseScoreTable(platform::ReadFileStart(path, std::size_t(kScoreSlots) * kScoreRecordBytes));
}

TScoreTable ParseScoreTable(std::string_view bytes) {
  platform::ByteReader reader(bytes);
  TScoreTable table;
  for (TScoreRecord& record : table) {
    TScoreRecord::Bytes recordBytes;
    reader.Read(recordBytes.data(), recordBytes.size());
    record = TScoreRecord::FromBytes(recordBytes);
  }
  return table;
}

void SaveScoreTable(TScoreTable& table, const std::string& path) {
  SortScoreTable(table);
  platform::WriteFileAtomically(path, [&](platform::BinaryFile& f) { WriteRecords(f, table); });
}

std::string KeepAside(const std::string& path) {
  std::string target = path + ".damaged";
  for (int n = 2; platform::EntryExists(target); ++n) target = path + ".damaged-" + std::to_string(n);
  platform::RenameFile(path, target);
  return target;
}

// ---- names ----

std::string EncodeName(std::string_view utf8) { return EncodeWith(utf8, NextUtf8); }

std::string EncodeName(const std::u16string& text) { return EncodeWith(text, NextUtf16); }

std::string DecodeName(const TScoreRecord& record) {
  const std::size_t length = std::min<std::size_t>(record.PlayerName[0], kNameChars);
  std::string text;
  for (std::size_t k = 1; k <= length; ++k) AppendUtf8(text, CodePointOf(record.PlayerName[k]));
  return text;
}

// ---- results ----

void FillResult(TScoreRecord& slot, const std::string& nameUtf8, Player winner, int BlueCount, int GreenCount,
                int TotalCount) {
  const std::string name = EncodeName(nameUtf8);
  slot.PlayerName[0] = std::uint8_t(name.size());
  std::copy(name.begin(), name.end(), slot.PlayerName.begin() + 1);

  // A winner means at least one bubble; an empty board counts as 0 % rather than dividing by 0.
  const int blueShare = TotalCount > 0 ? BlueCount * 100 / TotalCount : 0;
  if (winner == kBlue) {
    slot.Score = ScrambleWord(std::uint16_t(BlueCount + kScoreOffset));
    slot.Percent = ScrambleWord(std::uint16_t(blueShare + kPercentOffset));
  } else {
    slot.Score = ScrambleWord(std::uint16_t(GreenCount + kScoreOffset));
    slot.Percent = ScrambleWord(std::uint16_t(kPercentOffset + 100 - blueShare));
  }
}

int DisplayedPercent(const TScoreRecord& record) { return int(ScrambleWord(record.Percent)) - kPercentOffset; }

int DisplayedScore(const TScoreRecord& record) { return int(ScrambleWord(record.Score)) - kScoreOffset; }

}  // namespace engine
