#pragma once
// A status bar of five 100-pixel panels with centred text, showing a status-bar model. Only
// a panel whose text really changed is repainted.
#include <QWidget>

#include "platform/status_bar.h"

namespace forms {

class StatusBarWidget : public QWidget {
 public:
  static constexpr int kHeight = 19;
  static constexpr int kPanelWidth = 100;

  StatusBarWidget(platform::StatusBarModel& model, QWidget* parent);
  ~StatusBarWidget() override;
  QRect PanelRect(int panel) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  platform::StatusBarModel& model_;
};

}  // namespace forms
