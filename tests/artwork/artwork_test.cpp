// Checks the embedded pictures the way the windows load them, through Qt's resource system: their
// sizes and frame counts, and the properties the board drawing relies on. The test calls no
// Q_INIT_RESOURCE, so it also shows that linking kb_resources is enough to find them.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QString>

#include <algorithm>
#include <vector>

#include "platform/color.h"

namespace {

constexpr int kCellSize = 30;
const QRgb kBoardGrey = platform::ToPixel(platform::clBoard);
const QRgb kWindowFace = platform::ToPixel(platform::clBtnFace);

QImage Load(const QString& name) {
  const QImage image(QStringLiteral(":/") + name);
  EXPECT_FALSE(image.isNull()) << "cannot load :/" << name.toStdString();
  return image.convertToFormat(QImage::Format_ARGB32);
}

std::vector<QImage> Frames(const QImage& strip, int size) {
  std::vector<QImage> frames;
  for (int x = 0; x + size <= strip.width(); x += size) frames.push_back(strip.copy(x, 0, size, size));
  return frames;
}

// What differs from the background of a frame: how many pixels, where, and their mean colour.
struct Marks {
  int count = 0;
  QRect bounds;
  double red = 0, green = 0, blue = 0;
  double Brightness() const { return (red + green + blue) / 3.0; }
};

template <typename Pred>
Marks MarksWhere(const QImage& frame, Pred counts) {
  Marks m;
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      const QRgb p = frame.pixel(x, y);
      if (!counts(p)) continue;
      ++m.count;
      m.bounds |= QRect(x, y, 1, 1);
      m.red += qRed(p);
      m.green += qGreen(p);
      m.blue += qBlue(p);
    }
  }
  if (m.count > 0) {
    m.red /= m.count;
    m.green /= m.count;
    m.blue /= m.count;
  }
  return m;
}

Marks NotBoardGrey(const QImage& frame) {
  return MarksWhere(frame, [](QRgb p) { return p != kBoardGrey; });
}

// Clearly coloured pixels: leaves out grey backgrounds, shadows and the white highlight.
Marks Coloured(const QImage& frame) {
  return MarksWhere(frame, [](QRgb p) {
    const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
    const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
    return hi - lo > 40;
  });
}

bool LooksBlue(const Marks& m) { return m.blue > m.green + 20 && m.blue > m.red + 20; }
bool LooksGreen(const Marks& m) { return m.green > m.blue + 20 && m.green > m.red + 20; }

struct ListCase {
  const char* file;
  int frames;
  int frameSize;
  QRgb background;
};

const ListCase kLists[] = {
    {"imagelist1.png", 25, kCellSize, kBoardGrey},
    {"imagelist2.png", 13, kCellSize, kBoardGrey},
    {"imagelist3.png", 13, kCellSize, kBoardGrey},
    {"imagelist4.png", 2, 64, kWindowFace},
};

}  // namespace

// Every frame must be opaque with its corners in the background colour: a frame drawn into a
// cell replaces the whole interior and leaves nothing of an earlier picture.
TEST(Artwork, PictureListsAreOpaqueStripsOfTheirFrames) {
  for (const ListCase& list : kLists) {
    SCOPED_TRACE(list.file);
    const QImage strip = Load(QString::fromLatin1(list.file));
    EXPECT_EQ(strip.width(), list.frames * list.frameSize);
    EXPECT_EQ(strip.height(), list.frameSize);
    for (int y = 0; y < strip.height(); ++y) {
      for (int x = 0; x < strip.width(); ++x) ASSERT_EQ(qAlpha(strip.pixel(x, y)), 255) << x << "," << y;
    }
    const int last = list.frameSize - 1;
    for (const QImage& frame : Frames(strip, list.frameSize)) {
      for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
        EXPECT_EQ(frame.pixel(corner), list.background);
      }
    }
  }
}

TEST(Artwork, OtherPicturesHaveTheirSizes) {
  const struct {
    const char* file;
    int width, height;
  } cases[] = {
      {"background.jpg", 640, 480}, {"person16.png", 16, 16},      {"computer16.png", 16, 16},
      {"bubble64.png", 64, 64},     {"logo104x40.png", 104, 40},   {"app_icon_16.png", 16, 16},
      {"app_icon_32.png", 32, 32},  {"app_icon_48.png", 48, 48},   {"app_icon_64.png", 64, 64},
      {"app_icon_128.png", 128, 128}, {"app_icon_256.png", 256, 256},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const QImage image = Load(QString::fromLatin1(c.file));
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
  }
}

// The pictures drawn transparent: see-through at the corner, yet with a solid picture on them.
TEST(Artwork, TransparentPicturesHaveAnOpaqueMotif) {
  for (const char* file : {"person16.png", "computer16.png", "logo104x40.png", "app_icon_16.png",
                           "app_icon_256.png"}) {
    SCOPED_TRACE(file);
    const QImage image = Load(QString::fromLatin1(file));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    const Marks solid = MarksWhere(image, [](QRgb p) { return qAlpha(p) == 255; });
    EXPECT_GT(solid.count, image.width() * image.height() / 10);
  }
}

TEST(Artwork, ShrinkingBubbleGetsSmallerDownToACentredDotThenAnEmptyCell) {
  const struct {
    const char* file;
    bool (*ownerColour)(const Marks&);
  } cases[] = {{"imagelist2.png", LooksBlue}, {"imagelist3.png", LooksGreen}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::vector<QImage> frames = Frames(Load(QString::fromLatin1(c.file)), kCellSize);
    ASSERT_EQ(frames.size(), 13u);

    const Marks full = NotBoardGrey(frames[0]);
    EXPECT_TRUE(c.ownerColour(full)) << full.red << " " << full.green << " " << full.blue;
    EXPECT_GE(full.bounds.width(), 22);
    EXPECT_LE(full.bounds.width(), 24);
    EXPECT_EQ(full.bounds.height(), full.bounds.width());
    // Centred: as much grey left of the bubble as right of it, above as below.
    EXPECT_EQ(full.bounds.left(), kCellSize - 1 - full.bounds.right());
    EXPECT_EQ(full.bounds.top(), kCellSize - 1 - full.bounds.bottom());

    for (std::size_t i = 1; i < frames.size(); ++i) {
      EXPECT_LT(NotBoardGrey(frames[i]).count, NotBoardGrey(frames[i - 1]).count) << "frame " << i;
    }
    const Marks dot = NotBoardGrey(frames[11]);
    EXPECT_EQ(dot.count, 4);
    EXPECT_EQ(dot.bounds, QRect(14, 14, 2, 2));
    EXPECT_TRUE(c.ownerColour(dot)) << dot.red << " " << dot.green << " " << dot.blue;
    EXPECT_EQ(NotBoardGrey(frames[12]).count, 0);
  }
}

TEST(Artwork, ColourChangeRunsFromTheBlueBubbleThroughAlmostWhiteToTheGreenBubble) {
  const std::vector<QImage> turn = Frames(Load(QStringLiteral("imagelist1.png")), kCellSize);
  const std::vector<QImage> blue = Frames(Load(QStringLiteral("imagelist2.png")), kCellSize);
  const std::vector<QImage> green = Frames(Load(QStringLiteral("imagelist3.png")), kCellSize);
  ASSERT_EQ(turn.size(), 25u);
  ASSERT_FALSE(blue.empty());
  ASSERT_FALSE(green.empty());

  EXPECT_EQ(turn[0], blue[0]);
  EXPECT_EQ(turn[24], green[0]);

  const QRect fullSize = NotBoardGrey(blue[0]).bounds;
  const double startBrightness = NotBoardGrey(turn[0]).Brightness();
  for (int i = 0; i < 25; ++i) {
    SCOPED_TRACE(i);
    const Marks m = NotBoardGrey(turn[std::size_t(i)]);
    EXPECT_EQ(m.bounds, fullSize);
    if (i < 12) {
      EXPECT_GT(m.blue, m.green);
    } else if (i > 12) {
      EXPECT_GT(m.green, m.blue);
    }
  }
  const Marks palest = NotBoardGrey(turn[12]);
  EXPECT_GT(palest.Brightness(), startBrightness + 60);
  EXPECT_GT(palest.Brightness(), 200);
}

TEST(Artwork, TurnIndicatorHoldsLargeBlueAndGreenBubbles) {
  const std::vector<QImage> frames = Frames(Load(QStringLiteral("imagelist4.png")), 64);
  ASSERT_EQ(frames.size(), 2u);
  const Marks blue = Coloured(frames[0]);
  const Marks green = Coloured(frames[1]);
  EXPECT_TRUE(LooksBlue(blue)) << blue.red << " " << blue.green << " " << blue.blue;
  EXPECT_TRUE(LooksGreen(green)) << green.red << " " << green.green << " " << green.blue;
  for (const Marks& m : {blue, green}) {
    EXPECT_GE(m.bounds.width(), 44);
    EXPECT_LE(m.bounds.width(), 52);
    EXPECT_GE(m.bounds.height(), 44);
    EXPECT_LE(m.bounds.height(), 52);
  }
}
