#pragma once
// TForm3: the game-over window. It announces the winner or a draw, takes the winner's name
// and stores the result in the high-score table.
#include <QWidget>
#include <cstdint>
#include <functional>

#include "platform/bitmap.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace forms {

class TForm3 : public QWidget {
 public:
  explicit TForm3(QWidget* parent = nullptr);

  // Fills the window in for the game that has just ended, disables the main window and shows
  // this one. The counts of the game must be fresh.
  void ShowGameOver();
  // Stores the result and opens the high-score window. A failed write of the score file
  // propagates to the caller; the window then stays up.
  void Button1Click();

  // The plain message box of the window's own checks; tests may replace it.
  std::function<void(const QString& text)> ShowMessage;

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  // What Image1 shows: the winner's bubble as last drawn.
  const platform::Bitmap& Image1Picture() const { return picture_; }

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormClose

 private:
  void ShowWinner(int frame, const QString& name, const QString& message, std::uint8_t winner);

  platform::Bitmap picture_;
};

}  // namespace forms
