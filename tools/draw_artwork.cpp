// Draws every picture of the game: the bubble picture lists, the window background, the two small
// pictures of the new-game dialog, the About box's bubble and logo, and the application icon.
//
// Usage: draw-artwork <output folder>
//
// Everything is painted with QPainter from fixed numbers, so the same Qt version always writes
// the same files. Light falls from the upper left on every picture.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

#include "platform/color.h"

namespace {

QColor ToQColor(platform::TColor c) {
  return QColor(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c));
}

const QColor kBoardGrey = ToQColor(platform::clBoard);
const QColor kWindowFace = ToQColor(platform::clBtnFace);
const QColor kBlue(40, 90, 220);
const QColor kGreen(40, 170, 60);

constexpr int kCellSize = 30;          // interior of a board cell
constexpr int kShrinkFrames = 13;      // full bubble, ten smaller ones, the 2 x 2 dot, the empty cell
constexpr int kTurnFrames = 25;        // Blue, paling to almost white, then Green
constexpr double kFullDiameter = 22.0;
constexpr double kDotDiameter = 2.0;
constexpr int kIndicatorSize = 64;
constexpr double kIndicatorDiameter = 48.0;

QColor Mix(const QColor& a, const QColor& b, double t) {
  auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QColor RimOf(const QColor& base) { return Mix(base, Qt::black, 0.55); }

// The smallest bubble is a plain 2 x 2 dot on whole pixels, lit at its upper-left pixel, so that it
// stays a crisp dot instead of a smudge.
void PaintDot(QPainter& p, QPointF centre, const QColor& base) {
  const int left = int(std::lround(centre.x())) - 1;
  const int top = int(std::lround(centre.y())) - 1;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(left, top, 2, 2, Mix(base, Qt::black, 0.25));
  p.fillRect(left, top, 1, 1, Mix(base, Qt::white, 0.35));
  p.restore();
}

// A soft shadow below and to the right of a bubble, for pictures that stand on a window face.
void PaintShadow(QPainter& p, QPointF centre, double diameter) {
  const double r = diameter / 2.0;
  const double reach = r + std::max(1.5, r * 0.12);
  const QPointF at = centre + QPointF(r * 0.08, r * 0.12);
  QRadialGradient shadow(at, reach);
  shadow.setColorAt(0.0, QColor(0, 0, 0, 70));
  shadow.setColorAt(std::max(0.0, (r - 1.5) / reach), QColor(0, 0, 0, 55));
  shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(at, reach, reach);
}

// A glossy sphere: the body brush, light and shade over it, a glow of reflected light near the
// lower-right edge, a thin darker rim and a specular highlight towards the upper left.
void PaintBubble(QPainter& p, QPointF centre, double diameter, const QBrush& body, const QColor& rim) {
  const double r = diameter / 2.0;
  p.save();
  p.setPen(Qt::NoPen);

  p.setBrush(body);
  p.drawEllipse(centre, r, r);

  QRadialGradient shade(centre + QPointF(-0.12 * r, -0.15 * r), 1.18 * r, centre + QPointF(-0.42 * r, -0.48 * r));
  shade.setColorAt(0.0, QColor(255, 255, 255, 150));
  shade.setColorAt(0.28, QColor(255, 255, 255, 55));
  shade.setColorAt(0.52, QColor(255, 255, 255, 0));
  shade.setColorAt(0.78, QColor(0, 0, 0, 45));
  shade.setColorAt(1.0, QColor(0, 0, 0, 120));
  p.setBrush(shade);
  p.drawEllipse(centre, r, r);

  if (diameter >= 8.0) {
    const QPointF glowAt = centre + QPointF(0.38 * r, 0.46 * r);
    QRadialGradient glow(glowAt, 0.55 * r);
    glow.setColorAt(0.0, QColor(255, 255, 255, 70));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, r, r);
  }

  const double rimWidth = std::clamp(r * 0.09, 0.7, 2.2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(rim, 210), rimWidth));
  const double rimRadius = r - rimWidth / 2.0;
  p.drawEllipse(centre, rimRadius, rimRadius);
  p.setPen(Qt::NoPen);

  if (diameter >= 4.0) {
    // The highlight is an ellipse tilted along the light's direction.
    p.translate(centre + QPointF(-0.34 * r, -0.40 * r));
    p.rotate(-38.0);
    const double across = 0.40 * r;
    const double along = 0.25 * r;
    p.scale(1.0, along / across);
    QRadialGradient highlight(QPointF(0.0, 0.0), across);
    highlight.setColorAt(0.0, QColor(255, 255, 255, 245));
    highlight.setColorAt(0.45, QColor(255, 255, 255, 170));
    highlight.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(highlight);
    p.drawEllipse(QPointF(0.0, 0.0), across, across);
  }
  p.restore();
}

void PaintBubble(QPainter& p, QPointF centre, double diameter, const QColor& base) {
  if (diameter <= kDotDiameter) {
    PaintDot(p, centre, base);
    return;
  }
  PaintBubble(p, centre, diameter, QBrush(base), RimOf(base));
}

// One opaque 30 x 30 board cell: a bubble of the given size on the board grey (none for size 0).
QImage BubbleCell(const QColor& base, double diameter) {
  QImage cell(kCellSize, kCellSize, QImage::Format_RGB32);
  cell.fill(kBoardGrey);
  if (diameter > 0.0) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    PaintBubble(p, QPointF(kCellSize / 2.0, kCellSize / 2.0), diameter, base);
  }
  return cell;
}

QImage Strip(const std::vector<QImage>& frames) {
  const int w = frames.front().width();
  const int h = frames.front().height();
  QImage strip(w * int(frames.size()), h, QImage::Format_RGB32);
  QPainter p(&strip);
  for (std::size_t i = 0; i < frames.size(); ++i) p.drawImage(int(i) * w, 0, frames[i]);
  return strip;
}

// Full size at frame 0, down to the 2 x 2 dot in the last frame but one, then the empty cell.
QImage ShrinkStrip(const QColor& base) {
  std::vector<QImage> frames;
  const int dotFrame = kShrinkFrames - 2;
  const double step = (kFullDiameter - kDotDiameter) / dotFrame;
  for (int i = 0; i < kShrinkFrames; ++i) {
    const double diameter = i <= dotFrame ? kFullDiameter - step * i : 0.0;
    frames.push_back(BubbleCell(base, diameter));
  }
  return Strip(frames);
}

// Blue pales to almost white half way; from there the bubble takes on green. Both ends are exactly
// the owners' colours, so the first and last frames equal the full bubbles of the shrinking lists.
QColor TurnColour(int frame) {
  const int middle = (kTurnFrames - 1) / 2;
  const QColor tint = frame < middle ? kBlue : frame > middle ? kGreen : Mix(kBlue, kGreen, 0.5);
  const double wave = std::sin(std::numbers::pi * frame / (kTurnFrames - 1));
  return Mix(tint, Qt::white, 0.9 * wave * wave);
}

QImage TurnStrip() {
  std::vector<QImage> frames;
  for (int i = 0; i < kTurnFrames; ++i) frames.push_back(BubbleCell(TurnColour(i), kFullDiameter));
  return Strip(frames);
}

QImage IndicatorStrip() {
  std::vector<QImage> frames;
  for (const QColor& base : {kBlue, kGreen}) {
    QImage frame(kIndicatorSize, kIndicatorSize, QImage::Format_RGB32);
    frame.fill(kWindowFace);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kIndicatorSize / 2.0, kIndicatorSize / 2.0 - 1.0);
    PaintShadow(p, centre, kIndicatorDiameter);
    PaintBubble(p, centre, kIndicatorDiameter, base);
    p.end();
    frames.push_back(frame);
  }
  return Strip(frames);
}

// A bubble whose body runs from blue at the upper left to green at the lower right.
void PaintBlueGreenBubble(QPainter& p, QPointF centre, double diameter) {
  const double r = diameter / 2.0;
  QLinearGradient body(centre + QPointF(-r, -r), centre + QPointF(r, r));
  body.setColorAt(0.0, QColor(50, 110, 235));
  body.setColorAt(0.5, QColor(30, 150, 170));
  body.setColorAt(1.0, QColor(40, 170, 70));
  PaintBubble(p, centre, diameter, QBrush(body), QColor(15, 60, 75));
}

QImage AboutBubble() {
  QImage image(64, 64, QImage::Format_RGB32);
  image.fill(kWindowFace);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(31.5, 31.0);
  PaintShadow(p, centre, 54.0);
  PaintBlueGreenBubble(p, centre, 54.0);
  return image;
}

QImage TransparentImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// Two overlapping bubbles: a blue one behind towards the upper left, a green one in front.
QImage AppIcon(int size) {
  QImage image = TransparentImage(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  const QPointF greenAt(0.625 * s, 0.615 * s);
  const QPointF blueAt(0.36 * s, 0.37 * s);
  const double greenSize = 0.70 * s;
  const double blueSize = 0.64 * s;
  if (size >= 32) PaintShadow(p, blueAt, blueSize);
  PaintBubble(p, blueAt, blueSize, kBlue);
  if (size >= 32) PaintShadow(p, greenAt, greenSize);
  PaintBubble(p, greenAt, greenSize, kGreen);
  return image;
}

// Head and shoulders of a person: a blue shirt and a face under dark hair.
QImage PersonPicture() {
  QImage image = TransparentImage(16, 16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QPainterPath shoulders;
  shoulders.moveTo(1.5, 16.0);
  shoulders.cubicTo(1.5, 11.5, 4.0, 10.0, 8.0, 10.0);
  shoulders.cubicTo(12.0, 10.0, 14.5, 11.5, 14.5, 16.0);
  shoulders.closeSubpath();
  QLinearGradient shirt(QPointF(3.0, 10.0), QPointF(12.0, 16.0));
  shirt.setColorAt(0.0, QColor(90, 140, 230));
  shirt.setColorAt(1.0, QColor(30, 70, 170));
  p.setPen(QPen(QColor(20, 40, 100), 1.0));
  p.setBrush(shirt);
  p.drawPath(shoulders);

  QRadialGradient skin(QPointF(7.0, 4.8), 4.5);
  skin.setColorAt(0.0, QColor(255, 224, 190));
  skin.setColorAt(1.0, QColor(225, 165, 120));
  p.setPen(QPen(QColor(130, 80, 50), 1.0));
  p.setBrush(skin);
  p.drawEllipse(QPointF(8.0, 5.5), 3.5, 4.0);

  QPainterPath hair;
  hair.moveTo(4.3, 5.2);
  hair.cubicTo(4.0, 1.0, 12.0, 1.0, 11.7, 5.2);
  hair.cubicTo(10.5, 3.2, 6.0, 3.2, 4.3, 5.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 55, 30));
  p.drawPath(hair);
  return image;
}

// A desktop computer: a monitor with a blue screen standing on a flat system unit.
// Drawn on whole pixels without smoothing, which reads best at this size.
QImage ComputerPicture() {
  QImage image = TransparentImage(16, 16);
  QPainter p(&image);
  const QColor outline(60, 60, 66);
  const QColor casing(206, 206, 200);
  const QColor casingLight(240, 240, 236);

  p.fillRect(2, 0, 12, 10, outline);       // monitor
  p.fillRect(3, 1, 10, 8, casing);
  p.fillRect(3, 1, 10, 1, casingLight);
  QLinearGradient screen(QPointF(4.0, 2.0), QPointF(12.0, 8.0));
  screen.setColorAt(0.0, QColor(90, 150, 255));
  screen.setColorAt(1.0, QColor(20, 50, 170));
  p.fillRect(4, 2, 8, 6, screen);
  p.fillRect(5, 3, 2, 1, QColor(200, 225, 255));  // glare on the glass

  p.fillRect(6, 10, 4, 1, outline);        // stand
  p.fillRect(0, 11, 16, 5, outline);       // system unit
  p.fillRect(1, 12, 14, 3, casing);
  p.fillRect(1, 12, 14, 1, casingLight);
  p.fillRect(3, 13, 5, 1, QColor(110, 110, 116));  // drive slot
  p.fillRect(12, 13, 2, 1, QColor(40, 200, 70));   // power light
  return image;
}

QPainterPath TextPath(const QString& text, int pixelSize) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(pixelSize);
  font.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath path;
  path.addText(QPointF(0.0, 0.0), font, text);
  return path;
}

// "Kalmex" in a blue face over a smaller green "Bubbles", with three small bubbles rising beside
// them.
QImage Logo() {
  QImage image = TransparentImage(104, 40);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QPainterPath name = TextPath(QStringLiteral("Kalmex"), 21);
  QPainterPath subtitle = TextPath(QStringLiteral("Bubbles"), 12);
  constexpr double kLineGap = 4.0;
  const double blockHeight = name.boundingRect().height() + kLineGap + subtitle.boundingRect().height();
  name.translate(QPointF(1.0, (image.height() - blockHeight) / 2.0) - name.boundingRect().topLeft());
  const QRectF nameBox = name.boundingRect();
  QLinearGradient blueFace(nameBox.topLeft(), nameBox.bottomLeft());
  blueFace.setColorAt(0.0, QColor(80, 140, 250));
  blueFace.setColorAt(1.0, QColor(20, 65, 185));
  p.setPen(QPen(QColor(15, 40, 110), 0.8));
  p.setBrush(blueFace);
  p.drawPath(name);

  subtitle.translate(QPointF(nameBox.right(), nameBox.bottom() + kLineGap) - subtitle.boundingRect().topRight());
  const QRectF subtitleBox = subtitle.boundingRect();
  QLinearGradient greenFace(subtitleBox.topLeft(), subtitleBox.bottomLeft());
  greenFace.setColorAt(0.0, QColor(70, 200, 90));
  greenFace.setColorAt(1.0, QColor(25, 130, 45));
  p.setPen(QPen(QColor(10, 70, 25), 0.6));
  p.setBrush(greenFace);
  p.drawPath(subtitle);

  PaintBubble(p, QPointF(96.0, 32.0), 11.0, kBlue);
  PaintBubble(p, QPointF(93.0, 19.0), 8.0, kGreen);
  PaintBubble(p, QPointF(99.0, 9.0), 6.0, kBlue);
  PaintBubble(p, QPointF(subtitleBox.left() - 6.0, subtitleBox.center().y()), 5.0, kGreen);
  return image;
}

// A calm deep-blue to teal wash with a few faint large bubbles near the edges; the middle, where the
// board sits, stays plain.
QImage Background() {
  constexpr int kWidth = 640;
  constexpr int kHeight = 480;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient wash(QPointF(0.0, 0.0), QPointF(kWidth * 0.45, kHeight));
  wash.setColorAt(0.0, QColor(22, 44, 110));
  wash.setColorAt(0.55, QColor(18, 78, 128));
  wash.setColorAt(1.0, QColor(14, 112, 124));
  p.fillRect(image.rect(), wash);

  QRadialGradient glow(QPointF(150.0, 70.0), 420.0);
  glow.setColorAt(0.0, QColor(255, 255, 255, 34));
  glow.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(image.rect(), glow);

  struct Ghost {
    double x, y, r;
  };
  const Ghost ghosts[] = {{70, 400, 92},  {585, 80, 70},  {560, 420, 46}, {120, 60, 34},
                          {605, 275, 24}, {28, 215, 20},  {455, 455, 16}, {250, 455, 12},
                          {500, 30, 14},  {20, 330, 10}};
  for (const Ghost& g : ghosts) {
    const QPointF c(g.x, g.y);
    QRadialGradient body(c, g.r, c + QPointF(-0.4 * g.r, -0.45 * g.r));
    body.setColorAt(0.0, QColor(255, 255, 255, 30));
    body.setColorAt(0.7, QColor(255, 255, 255, 8));
    body.setColorAt(1.0, QColor(255, 255, 255, 26));
    p.setPen(QPen(QColor(255, 255, 255, 46), std::max(1.0, g.r * 0.025)));
    p.setBrush(body);
    p.drawEllipse(c, g.r, g.r);

    p.save();
    p.translate(c + QPointF(-0.42 * g.r, -0.45 * g.r));
    p.rotate(-40.0);
    QRadialGradient shine(QPointF(0.0, 0.0), 0.3 * g.r);
    shine.setColorAt(0.0, QColor(255, 255, 255, 60));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.scale(1.0, 0.6);
    p.drawEllipse(QPointF(0.0, 0.0), 0.3 * g.r, 0.3 * g.r);
    p.restore();
  }
  return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name, int quality = -1) {
  QImageWriter writer(folder.filePath(name));
  if (quality >= 0) writer.setQuality(quality);
  if (writer.write(image)) return true;
  std::fprintf(stderr, "draw-artwork: cannot write %s: %s\n", qPrintable(writer.fileName()),
               qPrintable(writer.errorString()));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts need a GUI application; no screen is needed to paint into images.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw-artwork <output folder>\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "draw-artwork: cannot create %s\n", argv[1]);
    return 1;
  }

  bool ok = true;
  ok &= Save(TurnStrip(), folder, "imagelist1.png");
  ok &= Save(ShrinkStrip(kBlue), folder, "imagelist2.png");
  ok &= Save(ShrinkStrip(kGreen), folder, "imagelist3.png");
  ok &= Save(IndicatorStrip(), folder, "imagelist4.png");
  ok &= Save(Background(), folder, "background.jpg", 90);
  ok &= Save(PersonPicture(), folder, "person16.png");
  ok &= Save(ComputerPicture(), folder, "computer16.png");
  ok &= Save(AboutBubble(), folder, "bubble64.png");
  ok &= Save(Logo(), folder, "logo104x40.png");
  for (int size : {16, 32, 48, 64, 128, 256}) {
    ok &= Save(AppIcon(size), folder, QStringLiteral("app_icon_%1.png").arg(size));
  }
  return ok ? 0 : 1;
}
