#pragma once
// Saved games: a header text, the board size, the player to move, the round and one code per
// cell, all as little-endian 32-bit numbers. Reading checks the whole file before anything
// of the game in progress changes.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/bubble.h"
#include "engine/game_state.h"

namespace engine {

class TPlayPlane;

inline constexpr std::string_view kSaveHeader = "Kalmex Bubbles Save File";  // stored without length or terminator
constexpr std::int32_t kSizeFactor = 100;       // sizes are stored × 100
constexpr std::int32_t kRoundFactor = 200;      // the round is stored × 200
constexpr std::int32_t kBlueToMove = 65536;
constexpr std::int32_t kGreenToMove = 655360;
constexpr std::int32_t kEmptyCode = 10000;
constexpr std::int32_t kBlueCode = 20000;
constexpr std::int32_t kGreenCode = 30000;
constexpr int kSaveHeaderBytes = 40;  // header text and the four numbers before the cells

// The position as the file holds it: owners only, no animation, selection or computer flag.
struct SavedGame {
  int Columns = 0;
  int Rows = 0;
  Player ToMove = kBlue;
  int Round = 1;
  std::vector<std::int32_t> Codes;  // slot x + y × Columns; kEmptyCode, kBlueCode or kGreenCode
  bool operator==(const SavedGame&) const = default;
};

// Why a readable file is not a saved game; the user is told "Incorrect file".
enum class Refusal { WrongHeader, SizeOutOfRange, WrongLength, UnknownPlayer };

using SavedGameOrRefusal = std::variant<SavedGame, Refusal>;

// The owners as they stand: a vanishing bubble still counts, a turning one has its new owner.
SavedGame FromBoard(const TPlayPlane& board, int RoundNo);

// Writes the file through a temporary file renamed over the target, so a failed save leaves
// an earlier file of that name whole. Throws platform::EInOutError.
void WriteSavedGame(const std::string& path, const SavedGame& saved);

// Throws platform::EInOutError when the file cannot be opened or ends within the header text
// or the two sizes ("Read beyond end of file"); refuses a wrong header, sizes outside
// 3…19 × 3…12, a length other than 40 + 4 × columns × rows, or an unknown player code.
SavedGameOrRefusal ReadSavedGame(const std::string& path);
// The same checks on a whole file's bytes; ReadSavedGame reads the file and hands them here.
SavedGameOrRefusal ParseSavedGame(std::string_view bytes);

// Replaces the game's board with a new one holding the saved position; every bubble grows in
// and turns nothing. A pending end of turn or game over of the replaced board is dropped.
// saved must be a result of ReadSavedGame or FromBoard.
void ApplySavedGame(GameState& game, const SavedGame& saved);

}  // namespace engine
