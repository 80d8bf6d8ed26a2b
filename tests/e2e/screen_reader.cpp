// Checks a screenshot of the running game: finds the board picture by its black outer frame
// and verifies every grid line of a board of the given size and the grey of empty cells.
// Usage: board_on_screen <screenshot.png> <columns> <rows>
#include <QCoreApplication>
#include <QImage>
#include <cstdio>

namespace {
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFFCFCFCF;

bool IsBlack(const QImage& img, int x, int y) { return img.pixel(x, y) == kBlack; }

// The top-left corner of a black frame width × height pixels, or (-1, -1).
QPoint FindFrame(const QImage& img, int width, int height) {
  for (int y = 0; y + height <= img.height(); ++y)
    for (int x = 0; x + width <= img.width(); ++x) {
      // A frame of black lines around a grey inside (every cell's corner pixels are grey).
      if (!IsBlack(img, x, y) || img.pixel(x + 1, y + 1) != kGrey) continue;
      if (!IsBlack(img, x + width - 1, y) || !IsBlack(img, x, y + height - 1)) continue;
      bool frame = true;
      for (int i = 0; i < width && frame; ++i) frame = IsBlack(img, x + i, y) && IsBlack(img, x + i, y + height - 1);
      for (int j = 0; j < height && frame; ++j) frame = IsBlack(img, x, y + j) && IsBlack(img, x + width - 1, y + j);
      if (frame) return {x, y};
    }
  return {-1, -1};
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s screenshot.png columns rows\n", argv[0]);
    return 2;
  }
  const QImage img = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
  const int columns = std::atoi(argv[2]);
  const int rows = std::atoi(argv[3]);
  const int width = columns * 31 + 1;
  const int height = rows * 31 + 1;
  const QPoint origin = FindFrame(img, width, height);
  if (origin.x() < 0) {
    std::fprintf(stderr, "no %d x %d board frame on the screenshot\n", width, height);
    return 1;
  }
  int faults = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool gridLine = x % 31 == 0 || y % 31 == 0;
      const QRgb p = img.pixel(origin.x() + x, origin.y() + y);
      if (gridLine && p != kBlack) ++faults;
      // Away from the corner cells, where the starting bubbles are, every cell is empty.
      const int cx = x / 31, cy = y / 31;
      const bool corner = (cx == 0 || cx >= columns - 1) && (cy == 0 || cy >= rows - 1);
      if (!gridLine && !corner && p != kGrey) ++faults;
    }
  std::printf("board found at (%d, %d), %d wrong pixels\n", origin.x(), origin.y(), faults);
  return faults == 0 ? 0 : 1;
}
