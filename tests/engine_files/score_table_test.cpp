#include "engine/score_table.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/binary_file.h"
#include "platform/io_faults.h"
#include "temp_folder.h"

namespace {

using namespace engine;
using files_testing::Hex;
using files_testing::TempFolder;
using files_testing::WriteBytes;

// A record named `name` holding a percentage and a score as the game stores them.
TScoreRecord Result(const std::string& name, int percent, int score = 10) {
  TScoreRecord r;
  FillResult(r, name, kBlue, 0, 0, 1);
  r.Percent = ScrambleWord(std::uint16_t(percent + 201));
  r.Score = ScrambleWord(std::uint16_t(score + 302));
  return r;
}

std::string Names(const TScoreTable& table) {
  std::string names;
  for (const auto& r : table) names += DecodeName(r) + std::to_string(DisplayedPercent(r)) + " ";
  return names;
}

TScoreTable FreshTable() {
  TScoreTable t;
  t.fill(DefaultScoreRecord());
  return t;
}

// ---- scrambling ----

TEST(ScrambleWord, KnownValues) {
  const struct {
    std::uint16_t plain, scrambled;
  } cases[] = {{302, 0x2324}, {201, 0xE010}, {0x0001, 0x4000}, {0x0100, 0x0100}, {0, 0}, {0xFFFF, 0xFFFF}};
  for (const auto& c : cases) EXPECT_EQ(ScrambleWord(c.plain), c.scrambled) << c.plain;
}

TEST(ScrambleWord, ExchangesExactlyTheSixPairs) {
  const int partner[16] = {14, 9, 5, 13, 6, 2, 4, 15, 8, 1, 10, 11, 12, 3, 0, 7};
  for (int bit = 0; bit < 16; ++bit)
    EXPECT_EQ(ScrambleWord(std::uint16_t(1u << bit)), 1u << partner[bit]) << "bit " << bit;
}

TEST(ScrambleWord, UndoesItselfForEveryValue) {
  for (unsigned v = 0; v <= 0xFFFF; ++v) ASSERT_EQ(ScrambleWord(ScrambleWord(std::uint16_t(v))), v);
}

TEST(ScrambleWord, StepsWorkOnOneBytePerBit) {
  TBits bits, swapped;
  WordToBits(0x8001, bits);
  EXPECT_EQ(bits[0], 1);
  EXPECT_EQ(bits[15], 1);
  for (int i = 1; i < 15; ++i) EXPECT_EQ(bits[std::size_t(i)], 0) << i;
  SwapBitPairs(bits, swapped);
  EXPECT_EQ(swapped[14], 1);
  EXPECT_EQ(swapped[7], 1);
  EXPECT_EQ(BitsToWord(swapped), 0x4080);
}

// ---- sorting ----

TEST(SortScoreTable, EqualPercentagesEndWhereTheExchangeSortPutsThem) {
  TScoreTable t = {Result("A", 90), Result("B", 80), Result("C", 70), Result("D", 70), Result("E", 60), Result("F", 50),
                   Result("G", 0),  Result("H", 0),  Result("I", 0),  Result("J", 0),  Result("N", 70)};
  SortScoreTable(t);
  EXPECT_EQ(Names(t), "A90 B80 D70 C70 N70 E60 F50 H0 I0 J0 G0 ");
}

TEST(SortScoreTable, ANewTieStaysInTheWorkingSlotAndABetterResultLeadsTheTable) {
  TScoreTable t;
  for (int k = 0; k < 10; ++k) t[std::size_t(k)] = Result(std::string(1, char('a' + k)), 60);

  TScoreTable tie = t;
  tie[10] = Result("new", 60);
  SortScoreTable(tie);
  EXPECT_EQ(DecodeName(tie[10]), "new");

  TScoreTable better = t;
  better[10] = Result("new", 61);
  SortScoreTable(better);
  EXPECT_EQ(DecodeName(better[0]), "new");
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(DisplayedPercent(better[std::size_t(k)]), 60);
}

TEST(SortScoreTable, LeavesAnOrderedTableOfDistinctKeysAlone) {
  TScoreTable t;
  for (int k = 0; k < 11; ++k) t[std::size_t(k)] = Result(std::string(1, char('A' + k)), 100 - 7 * k, k);
  const TScoreTable before = t;
  SortScoreTable(t);
  EXPECT_EQ(t, before);
}

TEST(SortScoreTable, MovesWholeRecords) {
  TScoreTable t = FreshTable();
  t[10] = Result("Winner", 55, 30);
  t[10].Filler = 0x7E;
  t[10].PlayerName[15] = 'z';  // past the length, still part of the record
  const TScoreRecord winner = t[10];
  SortScoreTable(t);
  EXPECT_EQ(t[0], winner);
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(t[std::size_t(k)], DefaultScoreRecord());
}

// ---- the file ----

TEST(ScoreFile, AMissingFileIsCreatedWithElevenDefaultRecords) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  const TScoreTable table = LoadScoreTable(path);

  const std::string bytes = platform::ReadWholeFile(path);
  ASSERT_EQ(bytes.size(), 286u);
  const std::string expected = "05 45 6D 70 74 79 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 24 23 10 E0";
  for (int k = 0; k < 11; ++k) EXPECT_EQ(Hex(bytes.substr(std::size_t(26 * k), 26)), expected) << "record " << k;
  for (const auto& r : table) {
    EXPECT_EQ(DecodeName(r), "Empty");
    EXPECT_EQ(DisplayedPercent(r), 0);
    EXPECT_EQ(DisplayedScore(r), 0);
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"Score.dat"});
}

TEST(ScoreFile, AStoredWinIsReadBack) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  TScoreTable table = LoadScoreTable(path);
  FillResult(table[10], "Eva", kBlue, 30, 25, 55);
  SaveScoreTable(table, path);

  const std::string bytes = platform::ReadWholeFile(path);
  ASSERT_EQ(bytes.size(), 286u);
  EXPECT_EQ(Hex(bytes.substr(0, 4)), "03 45 76 61");
  const TScoreTable again = LoadScoreTable(path);
  EXPECT_EQ(again, table);
  EXPECT_EQ(DecodeName(again[0]), "Eva");
  EXPECT_EQ(DisplayedPercent(again[0]), 54);
  EXPECT_EQ(DisplayedScore(again[0]), 30);
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(DecodeName(again[std::size_t(k)]), "Empty");
}

TEST(ScoreFile, AShortFileIsAReadErrorAndStaysAsItWas) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  const std::string shortFile(285, '\x01');
  WriteBytes(path, shortFile);
  try {
    LoadScoreTable(path);
    FAIL() << "a 285-byte file was accepted";
  } catch (const platform::EInOutError& e) {
    EXPECT_STREQ(e.what(), "Read beyond end of file");
  }
  EXPECT_EQ(platform::ReadWholeFile(path), shortFile);
}

TEST(ScoreFile, ALongerFileIsReadForItsFirst286BytesAndCutOnTheNextSave) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  std::string bytes;
  for (int k = 0; k < 11; ++k) {
    const auto record = Result(std::string(1, char('A' + k)), 90 - k).ToBytes();
    bytes.append(record.begin(), record.end());
  }
  WriteBytes(path, bytes + std::string(14, '\xEE'));

  TScoreTable table = LoadScoreTable(path);
  EXPECT_EQ(Names(table), "A90 B89 C88 D87 E86 F85 G84 H83 I82 J81 K80 ");
  SaveScoreTable(table, path);
  EXPECT_EQ(platform::ReadWholeFile(path), bytes);
}

TEST(ScoreFile, AnEntryOfAnyKindIsNeverReplacedByDefaults) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  std::filesystem::create_directory(path);
  EXPECT_THROW(LoadScoreTable(path), platform::EInOutError);
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ScoreFile, AFailedSaveLeavesThePreviousFileWhole) {
  using platform::io_faults::Op;
  const struct {
    Op op;
    int errnoValue;
  } faults[] = {{Op::Open, EACCES}, {Op::Write, ENOSPC}, {Op::Close, EIO}, {Op::Rename, EXDEV}};
  for (const auto& fault : faults) {
    SCOPED_TRACE(int(fault.op));
    TempFolder folder;
    const std::string path = folder.File("Score.dat");
    TScoreTable table = LoadScoreTable(path);
    FillResult(table[10], "First", kGreen, 10, 20, 30);
    SaveScoreTable(table, path);
    const std::string before = platform::ReadWholeFile(path);

    FillResult(table[10], "Second", kBlue, 29, 1, 30);
    platform::io_faults::FailAt(fault.op, 1, fault.errnoValue);
    EXPECT_THROW(SaveScoreTable(table, path), platform::EInOutError);
    platform::io_faults::Clear();
    EXPECT_EQ(platform::ReadWholeFile(path), before);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Score.dat"});
  }
}

TEST(ScoreFile, KeepAsideRenamesToTheFirstFreeName) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  WriteBytes(path, "first");
  EXPECT_EQ(KeepAside(path), folder.File("Score.dat.damaged"));
  WriteBytes(path, "second");
  WriteBytes(folder.File("Score.dat.damaged-2"), "in the way");
  EXPECT_EQ(KeepAside(path), folder.File("Score.dat.damaged-3"));

  EXPECT_FALSE(platform::EntryExists(path));
  EXPECT_EQ(platform::ReadWholeFile(folder.File("Score.dat.damaged")), "first");
  EXPECT_EQ(platform::ReadWholeFile(folder.File("Score.dat.damaged-2")), "in the way");
  EXPECT_EQ(platform::ReadWholeFile(folder.File("Score.dat.damaged-3")), "second");
}

// ---- names ----

TEST(ScoreNames, CzechTextGoesThroughLatin2AndBack) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  const std::string czech = "Příliš žluťoučký kůň";  // 20 characters
  TScoreTable table = LoadScoreTable(path);
  FillResult(table[10], czech, kGreen, 3, 9, 12);
  SaveScoreTable(table, path);

  const std::string bytes = platform::ReadWholeFile(path);
  EXPECT_EQ(Hex(bytes.substr(0, 21)), "14 50 F8 ED 6C 69 B9 20 BE 6C 75 BB 6F 75 E8 6B FD 20 6B F9 F2");
  EXPECT_EQ(DecodeName(LoadScoreTable(path)[0]), czech);
}

TEST(ScoreNames, EveryByteDecodesToACharacterThatEncodesBackToIt) {
  for (int byte = 0; byte < 256; ++byte) {
    TScoreRecord r;
    r.PlayerName[0] = 1;
    r.PlayerName[1] = std::uint8_t(byte);
    EXPECT_EQ(EncodeName(DecodeName(r)), std::string(1, char(byte))) << byte;
  }
}

TEST(ScoreNames, EncodingKeepsTwentyCharactersAndMarksWhatLatin2Lacks) {
  const struct {
    std::string utf8;
    std::string bytes;
  } cases[] = {
      {"Ann", "Ann"},
      {"José Ñuñez", "Jos\xE9 ?u?ez"},            // é is Latin-2, ñ is not
      {"€ 5", "? 5"},
      {"smile 😀!", "smile ?!"},                  // one character outside the basic plane
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRST"},
      {"čččččččččččččččččččččččč", std::string(20, '\xE8')},
      {"a\x80z", "a?z"},                          // a stray continuation byte
      {"a\xC0\xAFz", "a??z"},                     // an overlong '/'
      {"a\xED\xA0\x80z", "a???z"},                // an encoded surrogate
      {"end\xC5", "end?"},                        // cut inside a character
  };
  for (const auto& c : cases) EXPECT_EQ(Hex(EncodeName(c.utf8)), Hex(c.bytes)) << c.utf8;

  EXPECT_EQ(EncodeName(std::u16string(u"Kůň 😀")), "K\xF9\xF2 ?");
  EXPECT_EQ(EncodeName(std::u16string(u"x") + char16_t(0xDC00) + u"y"), "x?y");
}

TEST(ScoreNames, ALengthByteAbove20ShowsTheTwentyNameBytes) {
  TScoreRecord r;
  r.PlayerName[0] = 200;
  for (int k = 1; k <= 20; ++k) r.PlayerName[std::size_t(k)] = std::uint8_t('A' + k - 1);
  r.Filler = 'X';
  EXPECT_EQ(DecodeName(r), "ABCDEFGHIJKLMNOPQRST");
}

// ---- results ----

TEST(FillResult, StoresTheWinnersCountAndShare) {
  const struct {
    Player winner;
    int blue, green, percent, score;
  } cases[] = {
      {kBlue, 25, 24, 51, 25},
      {kGreen, 24, 25, 52, 25},
      {kBlue, 2, 1, 66, 2},
      {kGreen, 1, 2, 67, 2},
      {kGreen, 0, 228, 100, 228},
  };
  for (const auto& c : cases) {
    TScoreRecord r;
    FillResult(r, "P", c.winner, c.blue, c.green, c.blue + c.green);
    EXPECT_EQ(DisplayedPercent(r), c.percent) << c.blue << ":" << c.green;
    EXPECT_EQ(DisplayedScore(r), c.score) << c.blue << ":" << c.green;
    EXPECT_EQ(r.Percent, ScrambleWord(std::uint16_t(c.percent + 201)));
  }
}

TEST(FillResult, ANameOverwritesOnlyAsManyBytesAsItHas) {
  TScoreRecord r;
  FillResult(r, "LongerName", kBlue, 1, 0, 1);
  FillResult(r, "Bo", kBlue, 1, 0, 1);
  EXPECT_EQ(r.PlayerName[0], 2);
  EXPECT_EQ(std::string(r.PlayerName.begin() + 1, r.PlayerName.begin() + 11), "BongerName");
  EXPECT_EQ(DecodeName(r), "Bo");
}

TEST(DisplayedNumbers, ADamagedRecordShowsNegativeNumbers) {
  TScoreRecord r;
  r.Score = ScrambleWord(5);
  r.Percent = ScrambleWord(0);
  EXPECT_EQ(DisplayedScore(r), -297);
  EXPECT_EQ(DisplayedPercent(r), -201);
}

}  // namespace
