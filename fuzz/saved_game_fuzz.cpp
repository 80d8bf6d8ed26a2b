// Feeds raw bytes to the saved-game parser that the load command uses. Only a file that ends
// within the header text or the sizes may be a read error; a file that is accepted is loaded
// onto a board and played to rest, which must leave a consistent board holding exactly the
// saved owners, player and round.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/play_plane.h"
#include "engine/saved_game.h"
#include "fuzz/fuzz_check.h"
#include "platform/io_error.h"
#include "tests/engine/invariants.h"
#include "tests/engine/test_display.h"

using fuzz_check::Expect;

namespace {

constexpr std::size_t kHeaderAndSizes = engine::kSaveHeader.size() + 8;

bool HeaderMatches(std::string_view bytes) { return bytes.substr(0, engine::kSaveHeader.size()) == engine::kSaveHeader; }

// The owners a board loaded from saved ends up with: an unknown code is an empty cell.
engine::SavedGame AsLoaded(engine::SavedGame saved) {
  for (std::int32_t& code : saved.Codes)
    if (code != engine::kBlueCode && code != engine::kGreenCode) code = engine::kEmptyCode;
  return saved;
}

void CheckLoaded(const engine::SavedGame& saved, std::size_t fileSize) {
  Expect(fileSize == std::size_t(engine::kSaveHeaderBytes) + 4 * saved.Codes.size(), "accepted a file of the wrong length");
  Expect(saved.Codes.size() == std::size_t(saved.Columns) * std::size_t(saved.Rows), "codes do not fill the board");

  testing_display::TestGame g(7, 7);
  engine::ApplySavedGame(g.game, saved);
  Expect(g.TickUntilIdle(100) > 0, "a loaded board never came to rest");
  const auto invariants = testing_display::InvariantsHold(g.game, true);
  Expect(bool(invariants), invariants.message());
  Expect(g.display.host.gameOvers == 0, "loading ended the game");
  Expect(engine::FromBoard(g.board(), g.game.RoundNo) == AsLoaded(saved),
         "the board at rest differs from the saved position");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  engine::SavedGameOrRefusal result;
  try {
    result = engine::ParseSavedGame(bytes);
  } catch (const platform::EInOutError& error) {
    Expect(std::string(error.what()) == "Read beyond end of file", std::string("unexpected error ") + error.what());
    Expect(size < engine::kSaveHeader.size() || (HeaderMatches(bytes) && size < kHeaderAndSizes),
           "a read error on a file with its header and sizes whole");
    return 0;
  }
  if (const auto* saved = std::get_if<engine::SavedGame>(&result)) CheckLoaded(*saved, size);
  return 0;
}
