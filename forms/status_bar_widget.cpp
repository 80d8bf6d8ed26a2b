#include "forms/status_bar_widget.h"

#include <QPainter>
#include <QPaintEvent>

#include "forms/fonts.h"

namespace forms {

namespace {
QColor ToQColor(platform::TColor c) { return QColor(platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)); }
}  // namespace

StatusBarWidget::StatusBarWidget(platform::StatusBarModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFont(DialogFont());
  model_.OnChange = [this](int panel) {
    update(panel == platform::StatusBarModel::kColorChanged ? rect() : PanelRect(panel));
  };
}

StatusBarWidget::~StatusBarWidget() { model_.OnChange = nullptr; }

QRect StatusBarWidget::PanelRect(int panel) const { return QRect(panel * kPanelWidth, 0, kPanelWidth, kHeight); }

void StatusBarWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), ToQColor(model_.Color()));
  const QColor shadow(128, 128, 128);
  const QColor light(255, 255, 255);
  for (int i = 0; i < platform::StatusBarModel::kPanels; ++i) {
    const QRect r = PanelRect(i).adjusted(1, 1, -2, -1);
    if (!r.intersects(event->rect())) continue;
    // A sunken panel: dark upper-left edges, light lower-right edges.
    painter.setPen(shadow);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(light);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(Qt::black);
    painter.drawText(r, Qt::AlignCenter, QString::fromUtf8(model_.PanelText(i).c_str()));
  }
}

}  // namespace forms
