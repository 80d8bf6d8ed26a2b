#include "engine/saved_game.h"

#include <array>
#include <memory>
#include <stdexcept>

#include "engine/play_plane.h"
#include "engine/status.h"
#include "platform/binary_file.h"

namespace engine {

namespace {

bool SizeInRange(int columns, int rows) {
  return columns >= kMinSizeX && columns <= kMaxSizeX && rows >= kMinSizeY && rows <= kMaxSizeY;
}

std::uint64_t FileLengthFor(int columns, int rows) {
  return kSaveHeaderBytes + 4 * std::uint64_t(columns) * std::uint64_t(rows);
}

// Multiplies in 32 bits with wrap-around, as the file stores it; never undefined.
std::int32_t Stored(int value, std::int32_t factor) {
  return std::int32_t(std::uint32_t(value) * std::uint32_t(factor));
}

}  // namespace

SavedGame FromBoard(const TPlayPlane& board, int RoundNo) {
  SavedGame saved;
  saved.Columns = board.FSizeX;
  saved.Rows = board.FSizeY;
  saved.ToMove = board.FPlayer;
  saved.Round = RoundNo;
  saved.Codes.reserve(board.FCells.size());
  for (const auto& bubble : board.FCells) {
    if (!bubble) saved.Codes.push_back(kEmptyCode);
    else saved.Codes.push_back(bubble->FOwner == kBlue ? kBlueCode : kGreenCode);
  }
  return saved;
}

void WriteSavedGame(const std::string& path, const SavedGame& saved) {
  platform::WriteFileAtomically(path, [&](platform::BinaryFile& f) {
    f.Write(kSaveHeader.data(), kSaveHeader.size());
    f.WriteInt32(Stored(saved.Columns, kSizeFactor));
    f.WriteInt32(Stored(saved.Rows, kSizeFactor));
    f.WriteInt32(saved.ToMove == kBlue ? kBlueToMove : kGreenToMove);
    f.WriteInt32(Stored(saved.Round, kRoundFactor));
    for (const std::int32_t code : saved.Codes) f.WriteInt32(code);
  });
}

SavedGameOrRefusal ReadSavedGame(const std::string& path) {
  // One byte past the longest saved game is enough to refuse any longer file for its length.
  constexpr std::size_t kLongestFile = std::size_t(kSaveHeaderBytes) + 4 * std::size_t(kMaxSizeX * kMaxSizeY);
  return ParseSavedGame(platform::ReadFileStart(path, kLongestFile + 1));
}

SavedGameOrRefusal ParseSavedGame(std::string_view bytes) {
  platform::ByteReader f(bytes);

  // A file that ends inside the header text or the sizes is a read error, not a refusal.
  std::array<char, kSaveHeader.size()> header;
  f.Read(header.data(), header.size());
  if (std::string_view(header.data(), header.size()) != kSaveHeader) return Refusal::WrongHeader;

  SavedGame saved;
  saved.Columns = f.ReadInt32() / kSizeFactor;
  saved.Rows = f.ReadInt32() / kSizeFactor;
  // Checking the range first keeps the length sum small for any stored numbers.
  if (!SizeInRange(saved.Columns, saved.Rows)) return Refusal::SizeOutOfRange;
  if (f.Size() != FileLengthFor(saved.Columns, saved.Rows)) return Refusal::WrongLength;

  const std::int32_t player = f.ReadInt32();
  if (player != kBlueToMove && player != kGreenToMove) return Refusal::UnknownPlayer;
  saved.ToMove = player == kBlueToMove ? kBlue : kGreen;
  saved.Round = f.ReadInt32() / kRoundFactor;

  saved.Codes.resize(std::size_t(saved.Columns) * std::size_t(saved.Rows));
  for (std::int32_t& code : saved.Codes) code = f.ReadInt32();
  return saved;
}

void ApplySavedGame(GameState& game, const SavedGame& saved) {
  if (!SizeInRange(saved.Columns, saved.Rows) ||
      saved.Codes.size() != std::size_t(saved.Columns) * std::size_t(saved.Rows))
    throw std::invalid_argument("ApplySavedGame: the cell codes do not fit the board size");

  game.TurnFinished = false;
  game.GameOverPending = false;
  game.Plane.reset();
  auto board = std::make_unique<TPlayPlane>(game, saved.Columns, saved.Rows);
  game.Plane = std::move(board);
  TPlayPlane& plane = *game.Plane;

  game.RoundNo = saved.Round;
  if (saved.ToMove == kGreen) plane.SwitchPlayer();
  ShowTurn(game, plane.FPlayer);

  for (std::size_t slot = 0; slot < saved.Codes.size(); ++slot) {
    const int x = int(slot % std::size_t(saved.Columns));
    const int y = int(slot / std::size_t(saved.Columns));
    plane.ClearCell(x, y);
    const std::int32_t code = saved.Codes[slot];
    if (code == kBlueCode || code == kGreenCode)
      plane.PutBubble(std::make_unique<TBubble>(plane, x, y, code == kBlueCode ? kBlue : kGreen, /*Loaded=*/true));
  }
}

}  // namespace engine
