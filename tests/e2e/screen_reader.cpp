// Reads screenshots of the running game for the end-to-end tests, so that the scripts can look
// at the screen the way a player does.
//
//   screen_reader grid <shot.png> <columns> <rows>
//       Checks the board's grid lines and that every cell away from the corners is empty.
//   screen_reader state <shot.png> <columns> <rows>
//       Prints the board as shell assignments: FOUND, BOARD_X/BOARD_Y (the board's top-left
//       corner in the shot), TURN (blue, green or unknown, from the status bar's colour),
//       CELLS (rows separated by '/': B Blue, G Green, . empty, h hatched, ? a colour between),
//       BLUE, GREEN, UNSURE and HATCHED (counts), ODD (the bubbles that do not show the picture
//       most bubbles of their colour show, such as a smaller frame left by a pulse that other
//       animations cut off), and MOVE, Blue's move as "x1 y1 x2 y2": the centres of a Blue
//       bubble and of an empty cell within reach, taking the most Green bubbles and preferring
//       a clone; empty when Blue has no move.
//   screen_reader steady <out.png> <shot.png>...
//       Writes, pixel by pixel, the value that most of the shots agree on: a short pulse of an
//       idle bubble shows in few of them.
//   screen_reader same <a.png> <b.png>
//       Counts the pixels in which two shots of the same size differ; succeeds when none do.
//   screen_reader score <Score.dat> <name>
//       Prints "<percentage> <bubbles>" of the high-score entry with that name.
#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/score_table.h"

namespace {
constexpr int kPitch = 31;  // a cell's width with one of its grid lines
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFFCFCFCF;  // an empty cell
constexpr QRgb kRed = 0xFFFF0000;   // the frame of the selected bubble's cell
constexpr QRgb kBlueToMove = 0xFFAABBCC;
constexpr QRgb kGreenToMove = 0xFFBBCCAA;
// The hatches of a selected bubble's targets, clone and jump, of either player.
constexpr QRgb kHatches[] = {0xFF44BBFF, 0xFF0077BB, 0xFFBBFF44, 0xFF77BB00};

QImage Load(const char* path) {
  QImage img(QString::fromLocal8Bit(path));
  if (img.isNull()) {
    std::fprintf(stderr, "cannot read %s\n", path);
    std::exit(2);
  }
  return img.convertToFormat(QImage::Format_RGB32);
}

bool IsBlack(const QImage& img, int x, int y) { return img.pixel(x, y) == kBlack; }
// A grid line: black, or red around the selected bubble's cell.
bool IsLine(const QImage& img, int x, int y) { return IsBlack(img, x, y) || img.pixel(x, y) == kRed; }

// The top-left corner of the board's frame, width × height pixels, or (-1, -1).
QPoint FindFrame(const QImage& img, int width, int height) {
  for (int y = 0; y + height <= img.height(); ++y)
    for (int x = 0; x + width <= img.width(); ++x) {
      // A frame of grid lines around a cell's inside.
      if (!IsLine(img, x, y) || IsLine(img, x + 1, y + 1)) continue;
      if (!IsLine(img, x + width - 1, y) || !IsLine(img, x, y + height - 1)) continue;
      bool frame = true;
      for (int i = 0; i < width && frame; ++i) frame = IsLine(img, x + i, y) && IsLine(img, x + i, y + height - 1);
      for (int j = 0; j < height && frame; ++j) frame = IsLine(img, x, y + j) && IsLine(img, x + width - 1, y + j);
      if (frame) return {x, y};
    }
  return {-1, -1};
}

struct Board {
  int columns = 0;
  int rows = 0;
  QPoint origin{-1, -1};
  std::vector<std::string> cells;  // [row][column]

  QPoint Centre(int column, int row) const {
    return origin + QPoint(column * kPitch + kPitch / 2 + 1, row * kPitch + kPitch / 2 + 1);
  }
  int Count(char c) const {
    int n = 0;
    for (const std::string& row : cells) n += int(std::count(row.begin(), row.end(), c));
    return n;
  }
};

// A cell by its picture: hatched when its inside shows a hatch colour, else by the colour at
// its centre, where a resting or pulsing bubble is plainly blue or green and a bubble that
// changes colour is neither.
char ClassifyCell(const QImage& img, QPoint topLeft) {
  int hatch = 0;
  for (int y = 1; y < kPitch; ++y)
    for (int x = 1; x < kPitch; ++x)
      hatch += int(std::count(std::begin(kHatches), std::end(kHatches), img.pixel(topLeft + QPoint(x, y))));
  if (hatch >= 10) return 'h';
  const QRgb c = img.pixel(topLeft + QPoint(kPitch / 2 + 1, kPitch / 2 + 1));
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  if (c == kGrey) return '.';
  if (b > r + 60 && b > g + 60) return 'B';
  if (g > r + 60 && g > b + 60) return 'G';
  return '?';
}

Board ReadBoard(const QImage& img, int columns, int rows) {
  Board board{columns, rows, FindFrame(img, columns * kPitch + 1, rows * kPitch + 1), {}};
  if (board.origin.x() < 0) return board;
  for (int row = 0; row < rows; ++row) {
    std::string line;
    for (int column = 0; column < columns; ++column)
      line += ClassifyCell(img, board.origin + QPoint(column * kPitch, row * kPitch));
    board.cells.push_back(line);
  }
  return board;
}

// The bubbles of one colour whose cell differs from the picture that most of them show.
int OddBubbles(const QImage& img, const Board& board, char owner) {
  std::vector<QImage> pictures;
  for (int r = 0; r < board.rows; ++r)
    for (int c = 0; c < board.columns; ++c)
      if (board.cells[r][c] == owner)
        pictures.push_back(img.copy(QRect(board.origin + QPoint(c * kPitch + 1, r * kPitch + 1), QSize(30, 30))));
  int most = 0;
  for (const QImage& picture : pictures)
    most = std::max(most, int(std::count(pictures.begin(), pictures.end(), picture)));
  return int(pictures.size()) - most;
}

// StatusBar2, the upper of the two 19-pixel status bars at the bottom of the main window,
// takes the colour of the player to move.
const char* Turn(const QImage& img) {
  const QRgb c = img.pixel(img.width() - 20, img.height() - 2 * 19 + 9);
  return c == kBlueToMove ? "blue" : c == kGreenToMove ? "green" : "unknown";
}

// Blue's move that takes the most Green bubbles, a clone counting one more, the first found
// on ties: as good a player as the computer, so that games end in few moves.
std::string BlueMove(const Board& board) {
  int best = -1;
  std::string move;
  auto at = [&](int c, int r) { return c < 0 || r < 0 || c >= board.columns || r >= board.rows ? ' ' : board.cells[r][c]; };
  for (int r = 0; r < board.rows; ++r)
    for (int c = 0; c < board.columns; ++c) {
      if (at(c, r) != 'B') continue;
      for (int tr = r - 2; tr <= r + 2; ++tr)
        for (int tc = c - 2; tc <= c + 2; ++tc) {
          if (at(tc, tr) != '.') continue;
          int value = std::max(std::abs(tc - c), std::abs(tr - r)) == 1 ? 1 : 0;
          for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) value += at(tc + dc, tr + dr) == 'G' ? 1 : 0;
          if (value <= best) continue;
          best = value;
          const QPoint from = board.Centre(c, r), to = board.Centre(tc, tr);
          std::ostringstream out;
          out << from.x() << ' ' << from.y() << ' ' << to.x() << ' ' << to.y();
          move = out.str();
        }
    }
  return move;
}

int Grid(const QImage& img, int columns, int rows) {
  const int width = columns * kPitch + 1;
  const int height = rows * kPitch + 1;
  const QPoint origin = FindFrame(img, width, height);
  if (origin.x() < 0) {
    std::fprintf(stderr, "no %d x %d board frame on the screenshot\n", width, height);
    return 1;
  }
  int faults = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool gridLine = x % kPitch == 0 || y % kPitch == 0;
      const QRgb p = img.pixel(origin.x() + x, origin.y() + y);
      if (gridLine && p != kBlack) ++faults;
      // Away from the corner cells, where the starting bubbles are, every cell is empty.
      const int cx = x / kPitch, cy = y / kPitch;
      const bool corner = (cx == 0 || cx >= columns - 1) && (cy == 0 || cy >= rows - 1);
      if (!gridLine && !corner && p != kGrey) ++faults;
    }
  std::printf("board found at (%d, %d), %d wrong pixels\n", origin.x(), origin.y(), faults);
  return faults == 0 ? 0 : 1;
}

int State(const QImage& img, int columns, int rows) {
  const Board board = ReadBoard(img, columns, rows);
  std::printf("TURN=%s\n", Turn(img));
  if (board.origin.x() < 0) {
    std::printf("FOUND=0\n");
    return 0;
  }
  std::string cells;
  for (const std::string& row : board.cells) cells += (cells.empty() ? "" : "/") + row;
  std::printf("FOUND=1\nBOARD_X=%d\nBOARD_Y=%d\nCELLS='%s'\n", board.origin.x(), board.origin.y(), cells.c_str());
  std::printf("BLUE=%d\nGREEN=%d\nUNSURE=%d\nHATCHED=%d\nODD=%d\n", board.Count('B'), board.Count('G'),
              board.Count('?'), board.Count('h'), OddBubbles(img, board, 'B') + OddBubbles(img, board, 'G'));
  std::printf("MOVE='%s'\n", BlueMove(board).c_str());
  return 0;
}

int Steady(const char* out, const std::vector<QImage>& shots) {
  QImage result = shots.front();
  for (const QImage& shot : shots)
    if (shot.size() != result.size()) {
      std::fprintf(stderr, "the shots differ in size\n");
      return 1;
    }
  for (int y = 0; y < result.height(); ++y)
    for (int x = 0; x < result.width(); ++x) {
      int bestVotes = 0;
      for (const QImage& candidate : shots) {
        const QRgb value = candidate.pixel(x, y);
        int votes = 0;
        for (const QImage& shot : shots) votes += shot.pixel(x, y) == value ? 1 : 0;
        if (votes > bestVotes) {
          bestVotes = votes;
          result.setPixel(x, y, value);
        }
      }
    }
  return result.save(QString::fromLocal8Bit(out)) ? 0 : 1;
}

int Same(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) {
    std::printf("sizes differ: %dx%d and %dx%d\n", a.width(), a.height(), b.width(), b.height());
    return 1;
  }
  int differing = 0;
  QRect box;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        ++differing;
        box |= QRect(x, y, 1, 1);
      }
  std::printf("%d differing pixels", differing);
  if (differing) std::printf(" within (%d, %d) %dx%d", box.x(), box.y(), box.width(), box.height());
  std::printf("\n");
  return differing == 0 ? 0 : 1;
}

int Score(const char* path, const std::string& name) {
  const engine::TScoreTable table = engine::LoadScoreTable(path);
  for (int slot = 0; slot < 10; ++slot)
    if (engine::DecodeName(table[slot]) == name) {
      const int bubbles = engine::ScrambleWord(table[slot].Score) - engine::kScoreOffset;
      std::printf("%d %d\n", engine::DisplayedPercent(table[slot]), bubbles);
      return 0;
    }
  std::fprintf(stderr, "no entry named %s\n", name.c_str());
  return 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: screen_reader grid|state <shot.png> <columns> <rows>\n"
               "       screen_reader steady <out.png> <shot.png>...\n"
               "       screen_reader same <a.png> <b.png>\n"
               "       screen_reader score <Score.dat> <name>\n");
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::string command = argc > 1 ? argv[1] : "";
  if ((command == "grid" || command == "state") && argc == 5) {
    const QImage img = Load(argv[2]);
    const int columns = std::atoi(argv[3]), rows = std::atoi(argv[4]);
    return command == "grid" ? Grid(img, columns, rows) : State(img, columns, rows);
  }
  if (command == "steady" && argc >= 4) {
    std::vector<QImage> shots;
    for (int i = 3; i < argc; ++i) shots.push_back(Load(argv[i]));
    return Steady(argv[2], shots);
  }
  if (command == "same" && argc == 4) return Same(Load(argv[2]), Load(argv[3]));
  if (command == "score" && argc == 4) return Score(argv[2], argv[3]);
  return Usage();
}
