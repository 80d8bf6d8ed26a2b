#include "forms/turn_indicator_window.h"

#include <QPainter>

#include "engine/play_plane.h"
#include "engine/status.h"
#include "forms/bitmap_image.h"
#include "forms/control_placement.h"
#include "forms/main_window.h"
#include "forms/windows.h"

namespace forms {

namespace {
class IndicatorImage : public QWidget {
 public:
  IndicatorImage(const platform::Bitmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, WrapBitmap(picture_));
  }

 private:
  const platform::Bitmap& picture_;
};
}  // namespace

TForm4::TForm4(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Turn now"));
  setFixedSize(104, 64);
  Image1 = new IndicatorImage(Form1->IndicatorPicture(), this);
  Image1->setGeometry(20, 0, 64, 64);
}

void TForm4::RepaintPicture() { Image1->repaint(); }

void TForm4::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!placed_) {  // centred on the screen when first shown
    placed_ = true;
    CentreOnScreen(this);
  }
  engine::GameState& game = Form1->Game();
  if (game.Plane) engine::DrawIndicator(game, game.Plane->FPlayer);
}

}  // namespace forms
