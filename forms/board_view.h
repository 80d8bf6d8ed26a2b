#pragma once
// Image2: shows the board picture and turns mouse presses (any button) into pixels.
#include <QWidget>
#include <functional>

#include "platform/bitmap.h"

namespace forms {

class BoardView : public QWidget {
  Q_OBJECT
 public:
  BoardView(platform::Bitmap& picture, QWidget* parent);

  // Shows what changed in the picture since the last call: at once (now) or with the next
  // paint. Only the rows that really differ from what was last shown are repainted, so a
  // frame drawn again over itself costs no repaint.
  void ShowChanges(bool now);

  std::function<void(int x, int y)> OnMouseDown;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  platform::Bitmap& picture_;
  platform::Bitmap shown_;  // what the last repaints put on screen
};

// Image1: the background picture, drawn unscaled from the top-left corner and cut off at the
// right and bottom edges.
class BackgroundView : public QWidget {
 public:
  BackgroundView(QImage picture, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace forms
