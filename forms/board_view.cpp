#include "forms/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "forms/bitmap_image.h"

namespace forms {

BoardView::BoardView(platform::Bitmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::ShowChanges(bool now) {
  QRegion changed;
  for (const platform::Rect& part : platform::UpdateShownCopy(picture_, shown_, picture_.TakeDirtyAreas()))
    changed += ToQRect(part);
  if (changed.isEmpty()) return;
  if (now) repaint(changed);
  else update(changed);
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QImage picture = WrapBitmap(picture_);
  for (const QRect& area : event->region()) painter.drawImage(area.topLeft(), picture, area);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event->position().toPoint().x(), event->position().toPoint().y());
}

BackgroundView::BackgroundView(QImage picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BackgroundView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().window());
  painter.drawImage(event->rect().topLeft(), picture_, event->rect());
}

}  // namespace forms
