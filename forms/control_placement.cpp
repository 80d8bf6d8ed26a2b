#include "forms/control_placement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

namespace forms {

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& r) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(r);
  SetCaption(label, text);
  return label;
}

QLabel* AddWrappingLabel(QWidget* parent, const QString& text, const QRect& r) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setGeometry(r);
  SetCaption(label, text);
  return label;
}

void SetCaption(QLabel* label, const QString& text) {
  label->setText(text);
  if (label->wordWrap())
    label->resize(label->width(), label->heightForWidth(label->width()));
  else
    label->resize(label->sizeHint());
}

QLabel* AddPicture(QWidget* parent, const QString& resource, const QRect& r, bool stretched) {
  auto* picture = new QLabel(parent);
  picture->setGeometry(r);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setScaledContents(stretched);
  const QPixmap pixmap(resource);
  if (!pixmap.isNull()) picture->setPixmap(pixmap);
  return picture;
}

QPushButton* AddButton(QWidget* parent, const QString& text, const QRect& r) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(r);
  return button;
}

QRadioButton* AddRadioButton(QWidget* parent, const QString& text, const QRect& r) {
  auto* button = new QRadioButton(text, parent);
  button->setGeometry(r);
  return button;
}

void CentreOnScreen(QWidget* window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
}

}  // namespace forms
