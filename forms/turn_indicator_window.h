#pragma once
// TForm4: the small always-on-top window with the large bubble of the player to move.
#include <QWidget>

#include "platform/bitmap.h"

namespace forms {

class TForm4 : public QWidget {
 public:
  explicit TForm4(QWidget* parent = nullptr);

  // Image1 shows the picture last drawn into the indicator bitmap.
  QWidget* Image1 = nullptr;
  void RepaintPicture();

 protected:
  void showEvent(QShowEvent* event) override;  // FormShow

 private:
  bool placed_ = false;
};

}  // namespace forms
