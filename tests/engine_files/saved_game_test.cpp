#include "engine/saved_game.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/play_plane.h"
#include "engine/status.h"
#include "platform/binary_file.h"
#include "platform/io_faults.h"
#include "temp_folder.h"
#include "tests/engine/test_display.h"

namespace {

using namespace engine;
using files_testing::Hex;
using files_testing::TempFolder;
using files_testing::WriteBytes;
using testing_display::FrameColour;
using testing_display::TestGame;

std::string Int32(std::int32_t v) {
  const auto u = std::uint32_t(v);
  return {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char((u >> 24) & 0xFF)};
}

// A file as the game would write it, with the numbers given as stored.
std::string FileBytes(std::int32_t columns100, std::int32_t rows100, std::int32_t player, std::int32_t round200,
                      int cellCount, std::int32_t code = kEmptyCode) {
  std::string bytes = "Kalmex Bubbles Save File" + Int32(columns100) + Int32(rows100) + Int32(player) + Int32(round200);
  for (int k = 0; k < cellCount; ++k) bytes += Int32(code);
  return bytes;
}

std::string SaveNewBoard(TempFolder& folder, int columns, int rows, bool greenToMove = false) {
  TestGame g(columns, rows);
  if (greenToMove) g.board().SwitchPlayer();
  const std::string path = folder.File("game.kbsf");
  WriteSavedGame(path, FromBoard(g.board(), g.game.RoundNo));
  return platform::ReadWholeFile(path);
}

std::vector<int> Owners(const TPlayPlane& board) {
  std::vector<int> owners;
  for (const auto& b : board.FCells) owners.push_back(b ? b->FOwner : -1);
  return owners;
}

// ---- writing ----

TEST(SavedGameFile, ANewSevenBySevenGameSavedAtOnce) {
  TempFolder folder;
  const std::string bytes = SaveNewBoard(folder, 7, 7);
  ASSERT_EQ(bytes.size(), 236u);
  EXPECT_EQ(bytes.substr(0, 24), "Kalmex Bubbles Save File");
  EXPECT_EQ(Hex(bytes.substr(24, 16)), "BC 02 00 00 BC 02 00 00 00 00 01 00 C8 00 00 00");
  EXPECT_EQ(Hex(bytes.substr(40, 8)), "20 4E 00 00 10 27 00 00");
  // The other three corners: Green top right and bottom left, Blue bottom right.
  EXPECT_EQ(Hex(bytes.substr(40 + 4 * 6, 4)), "30 75 00 00");
  EXPECT_EQ(Hex(bytes.substr(40 + 4 * 42, 4)), "30 75 00 00");
  EXPECT_EQ(Hex(bytes.substr(40 + 4 * 48, 4)), "20 4E 00 00");
}

TEST(SavedGameFile, GreenToMoveAndOtherSizes) {
  TempFolder folder;
  EXPECT_EQ(Hex(SaveNewBoard(folder, 7, 7, true).substr(32, 4)), "00 00 0A 00");
  EXPECT_EQ(SaveNewBoard(folder, 5, 5).size(), 140u);
  EXPECT_EQ(SaveNewBoard(folder, 19, 12).size(), 952u);
}

TEST(SavedGameFile, OwnersAreStoredAsTheyStandDuringAnimation) {
  TestGame g(7, 7);
  g.TickUntilIdle();
  g.board().Click(0, 0);
  g.board().Click(2, 0);  // a jump: (0, 0) vanishes, (2, 0) grows
  const SavedGame saved = FromBoard(g.board(), g.game.RoundNo);
  EXPECT_EQ(saved.Codes[0], kBlueCode);
  EXPECT_EQ(saved.Codes[2], kBlueCode);
  EXPECT_EQ(saved.ToMove, kGreen);
}

TEST(SavedGameFile, AFailedSaveLeavesAnEarlierFileWhole) {
  TempFolder folder;
  const std::string path = folder.File("game.kbsf");
  TestGame g(5, 5);
  WriteSavedGame(path, FromBoard(g.board(), 1));
  const std::string before = platform::ReadWholeFile(path);

  TestGame other(9, 9);
  platform::io_faults::FailAt(platform::io_faults::Op::Write, 10, ENOSPC);
  EXPECT_THROW(WriteSavedGame(path, FromBoard(other.board(), 4)), platform::EInOutError);
  platform::io_faults::Clear();
  EXPECT_EQ(platform::ReadWholeFile(path), before);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"game.kbsf"});
}

// ---- reading and loading ----

class SavedGameRoundTrip : public ::testing::TestWithParam<Player> {};

TEST_P(SavedGameRoundTrip, RestoresOwnersPlayerAndRoundWithBubblesThatTurnNothing) {
  const Player toMove = GetParam();
  TempFolder folder;
  const std::string path = folder.File("game.kbsf");
  {
    TestGame source(9, 6);
    // Blue at (1, 1) next to Green at (2, 1): a bubble that turned its neighbours would show.
    source.SetPosition({{1, 1, kBlue}, {2, 1, kGreen}, {8, 5, kGreen}, {4, 3, kBlue}, {0, 5, kGreen}});
    if (toMove == kGreen) source.board().SwitchPlayer();
    WriteSavedGame(path, FromBoard(source.board(), 13));
  }
  const std::vector<int> expected = [&] {
    std::vector<int> owners(54, -1);
    owners[1 + 1 * 9] = kBlue, owners[2 + 1 * 9] = kGreen, owners[8 + 5 * 9] = kGreen;
    owners[4 + 3 * 9] = kBlue, owners[0 + 5 * 9] = kGreen;
    return owners;
  }();

  TestGame target(7, 7);
  target.TickUntilIdle();
  ShowTurn(target.game, toMove == kBlue ? kGreen : kBlue);  // the indicator shows the other player
  target.game.TurnFinished = true;
  target.game.GameOverPending = true;

  const auto result = ReadSavedGame(path);
  ASSERT_TRUE(std::holds_alternative<SavedGame>(result));
  ApplySavedGame(target.game, std::get<SavedGame>(result));

  TPlayPlane& board = target.board();
  EXPECT_EQ(board.FSizeX, 9);
  EXPECT_EQ(board.FSizeY, 6);
  EXPECT_EQ(board.FPlayer, toMove);
  EXPECT_EQ(target.game.RoundNo, 13);
  EXPECT_FALSE(target.game.TurnFinished);
  EXPECT_FALSE(target.game.GameOverPending);
  EXPECT_EQ(target.display.statusBar2.Color(), toMove == kBlue ? platform::clBlueToMove : platform::clGreenToMove);
  EXPECT_EQ(target.display.indicator.Pixel(32, 32), FrameColour(4, toMove));
  EXPECT_EQ(Owners(board), expected);
  for (const auto& b : board.FCells) {
    if (!b) continue;
    EXPECT_TRUE(b->FLoaded);
    EXPECT_EQ(b->FState, asGrowing);
  }

  ASSERT_GT(target.TickUntilIdle(), 0);
  EXPECT_EQ(Owners(board), expected);
  EXPECT_EQ(board.FPlayer, toMove);
  EXPECT_EQ(target.game.RoundNo, 13);
}

INSTANTIATE_TEST_SUITE_P(BothPlayers, SavedGameRoundTrip, ::testing::Values(kBlue, kGreen));

TEST(SavedGameFile, UnknownCellCodesLoadAsEmptyCellsAndNumbersAreCutTowardZero) {
  TempFolder folder;
  const std::string path = folder.File("odd.kbsf");
  std::string bytes = FileBytes(399, 350, kBlueToMove, 599, 9);  // 3 × 3, round 2
  const std::int32_t codes[9] = {kBlueCode, kEmptyCode, 0, -1, kGreenCode, 20001, 12345, 30000, INT_MIN};
  for (int k = 0; k < 9; ++k) bytes.replace(std::size_t(40 + 4 * k), 4, Int32(codes[k]));
  WriteBytes(path, bytes);

  const auto result = ReadSavedGame(path);
  ASSERT_TRUE(std::holds_alternative<SavedGame>(result));
  const SavedGame& saved = std::get<SavedGame>(result);
  EXPECT_EQ(saved.Columns, 3);
  EXPECT_EQ(saved.Rows, 3);
  EXPECT_EQ(saved.Round, 2);

  TestGame g(7, 7);
  ApplySavedGame(g.game, saved);
  EXPECT_EQ(Owners(g.board()), (std::vector<int>{kBlue, -1, -1, -1, kGreen, -1, -1, kGreen, -1}));
}

TEST(SavedGameFile, TheSmallestAndLargestBoardsAreAccepted) {
  TempFolder folder;
  const std::string path = folder.File("edge.kbsf");
  for (const auto& [columns, rows] : {std::pair{3, 3}, std::pair{19, 12}, std::pair{3, 12}, std::pair{19, 3}}) {
    WriteBytes(path, FileBytes(columns * 100, rows * 100, kGreenToMove, 200, columns * rows, kGreenCode));
    const auto result = ReadSavedGame(path);
    ASSERT_TRUE(std::holds_alternative<SavedGame>(result)) << columns << "x" << rows;
    EXPECT_EQ(std::get<SavedGame>(result).ToMove, kGreen);
  }
}

TEST(SavedGameFile, BadFilesAreReadErrorsOrRefused) {
  const std::string good = FileBytes(700, 700, kBlueToMove, 200, 49);
  const auto changed = [&](std::size_t at, const std::string& with) {
    std::string bytes = good;
    bytes.replace(at, with.size(), with);
    return bytes;
  };
  struct Case {
    const char* name;
    std::optional<std::string> bytes;  // none: no file; "" with isFolder: a folder
    bool isFolder;
    const char* ioError;  // the message, or null for a refusal
    Refusal refusal;
  };
  const Case cases[] = {
      {"missing file", std::nullopt, false, "File not found", {}},
      {"a folder", std::nullopt, true, "File access denied", {}},
      {"empty file", "", false, "Read beyond end of file", {}},
      {"cut inside the header", good.substr(0, 23), false, "Read beyond end of file", {}},
      {"header only", good.substr(0, 24), false, "Read beyond end of file", {}},
      {"cut inside the sizes", good.substr(0, 30), false, "Read beyond end of file", {}},
      {"wrong header, cut inside the sizes", changed(0, "X").substr(0, 30), false, nullptr, Refusal::WrongHeader},
      {"cut after the sizes", good.substr(0, 32), false, nullptr, Refusal::WrongLength},
      {"cut inside the cells", good.substr(0, 201), false, nullptr, Refusal::WrongLength},
      {"one header character differs", changed(7, "b"), false, nullptr, Refusal::WrongHeader},
      {"a letter in the wrong case", changed(0, "k"), false, nullptr, Refusal::WrongHeader},
      {"one byte appended", good + '\0', false, nullptr, Refusal::WrongLength},
      {"one byte removed", good.substr(0, good.size() - 1), false, nullptr, Refusal::WrongLength},
      // Reading stops one byte past the longest saved game; that byte still counts.
      {"19 x 12, one byte appended", FileBytes(1900, 1200, kBlueToMove, 200, 228) + '\0', false, nullptr,
       Refusal::WrongLength},
      {"19 x 12, far too long", FileBytes(1900, 1200, kBlueToMove, 200, 5000), false, nullptr, Refusal::WrongLength},
      {"negative sizes", FileBytes(-700, -700, kBlueToMove, 200, 49), false, nullptr, Refusal::SizeOutOfRange},
      {"zero sizes", FileBytes(0, 0, kBlueToMove, 200, 0), false, nullptr, Refusal::SizeOutOfRange},
      {"sizes below 100", FileBytes(99, 700, kBlueToMove, 200, 0), false, nullptr, Refusal::SizeOutOfRange},
      {"huge sizes", FileBytes(INT_MAX, INT_MAX, kBlueToMove, 200, 49), false, nullptr, Refusal::SizeOutOfRange},
      {"most negative sizes", FileBytes(INT_MIN, INT_MIN, kBlueToMove, 200, 0), false, nullptr,
       Refusal::SizeOutOfRange},
      // 65536 × 65536 × 4 wraps to 0 in 32 bits, matching a 40-byte file.
      {"sizes whose cell bytes overflow", FileBytes(6553600, 6553600, kBlueToMove, 200, 0), false, nullptr,
       Refusal::SizeOutOfRange},
      {"2 x 7", FileBytes(200, 700, kBlueToMove, 200, 14), false, nullptr, Refusal::SizeOutOfRange},
      {"20 x 7", FileBytes(2000, 700, kBlueToMove, 200, 140), false, nullptr, Refusal::SizeOutOfRange},
      {"7 x 13", FileBytes(700, 1300, kBlueToMove, 200, 91), false, nullptr, Refusal::SizeOutOfRange},
      {"player code 3", FileBytes(700, 700, 3, 200, 49), false, nullptr, Refusal::UnknownPlayer},
      {"player code 0", FileBytes(700, 700, 0, 200, 49), false, nullptr, Refusal::UnknownPlayer},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.File("game.kbsf");
    if (c.isFolder) std::filesystem::create_directory(path);
    if (c.bytes) WriteBytes(path, *c.bytes);
    if (c.ioError) {
      try {
        ReadSavedGame(path);
        ADD_FAILURE() << "no I/O error";
      } catch (const platform::EInOutError& e) {
        EXPECT_STREQ(e.what(), c.ioError);
      }
    } else {
      const auto result = ReadSavedGame(path);
      const Refusal* refusal = std::get_if<Refusal>(&result);
      if (refusal) EXPECT_EQ(*refusal, c.refusal);
      else ADD_FAILURE() << "accepted";
    }
  }
}

TEST(SavedGameFile, ApplyingCodesThatDoNotFitTheSizeChangesNothing) {
  TestGame g(7, 7);
  TPlayPlane* const before = g.game.Plane.get();
  SavedGame wrong{5, 5, kBlue, 1, std::vector<std::int32_t>(24, kEmptyCode)};
  EXPECT_THROW(ApplySavedGame(g.game, wrong), std::invalid_argument);
  EXPECT_EQ(g.game.Plane.get(), before);
}

}  // namespace
