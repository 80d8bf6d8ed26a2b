// Saving a game and writing the score table fail at every point at which a file call can fail:
// the error reaches the caller with the message the user will read, the previous file stays
// as it was, byte for byte, and no temporary file is left behind.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "engine/saved_game.h"
#include "engine/score_table.h"
#include "fault_points.h"
#include "platform/binary_file.h"
#include "temp_folder.h"
#include "tests/engine/test_display.h"

namespace {

using files_testing::FaultPoint;
using files_testing::FaultPointsOf;
using files_testing::TempFolder;

// Runs write with the fault planned and checks what it leaves: an error with the point's
// message and the previous contents of path (none: no file) in a folder holding nothing else.
void ExpectFailureLeaves(const FaultPoint& point, const std::function<void()>& write, TempFolder& folder,
                         const std::string& path, const std::optional<std::string>& previous) {
  SCOPED_TRACE(point.Name());
  platform::io_faults::FailAt(point.op, point.n, point.errnoValue);
  try {
    write();
    ADD_FAILURE() << "no error";
  } catch (const platform::EInOutError& e) {
    EXPECT_STREQ(e.what(), point.message);
  }
  platform::io_faults::Clear();
  if (previous) {
    EXPECT_EQ(platform::ReadWholeFile(path), *previous);
    EXPECT_EQ(folder.Names().size(), 1u);
  } else {
    EXPECT_TRUE(folder.Names().empty());
  }
}

TEST(FaultPoints, ASaveThatFailsAnywhereKeepsTheEarlierSavedGame) {
  TempFolder folder;
  const std::string path = folder.File("game.kbsf");
  testing_display::TestGame earlier(5, 5), later(9, 7);
  const auto saveLater = [&] { engine::WriteSavedGame(path, engine::FromBoard(later.board(), 3)); };

  const auto points = FaultPointsOf(saveLater);
  // Two kinds of failure for each call: the open, the header text, four numbers and 63 cells
  // written one by one, the close and the rename.
  ASSERT_EQ(points.size(), 2u * (1 + 1 + 4 + 9 * 7 + 1 + 1));
  for (const FaultPoint& point : points) {
    platform::RemoveQuietly(path);
    ExpectFailureLeaves(point, saveLater, folder, path, std::nullopt);
    engine::WriteSavedGame(path, engine::FromBoard(earlier.board(), 1));
    ExpectFailureLeaves(point, saveLater, folder, path, platform::ReadWholeFile(path));
  }
}

TEST(FaultPoints, AScoreWriteThatFailsAnywhereKeepsTheEarlierTable) {
  TempFolder folder;
  const std::string path = folder.File("Score.dat");
  engine::TScoreTable table = engine::LoadScoreTable(path);
  engine::FillResult(table[10], "Eva", engine::kBlue, 30, 19, 49);
  const auto save = [&] { engine::SaveScoreTable(table, path); };

  const auto points = FaultPointsOf(save);
  ASSERT_EQ(points.size(), 2u * (1 + 11 + 1 + 1));  // the open, eleven records, the close, the rename
  for (const FaultPoint& point : points) {
    platform::RemoveQuietly(path);
    ExpectFailureLeaves(point, save, folder, path, std::nullopt);
    engine::TScoreTable defaults;
    defaults.fill(engine::DefaultScoreRecord());
    engine::SaveScoreTable(defaults, path);
    ExpectFailureLeaves(point, save, folder, path, platform::ReadWholeFile(path));
  }
}

}  // namespace
