#pragma once
// TOKBottomDlg: the new-game dialog, where the board size and Green's player are chosen.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace forms {

class SpinEdit;

class TOKBottomDlg : public QDialog {
 public:
  explicit TOKBottomDlg(QWidget* parent = nullptr);

  void OKBtnClick();
  void CancelBtnClick();

  QFrame* Bevel1 = nullptr;
  QLabel* Label1 = nullptr;
  SpinEdit* SpinEdit1 = nullptr;  // columns
  QLabel* Label2 = nullptr;
  SpinEdit* SpinEdit2 = nullptr;  // rows
  QLabel* Label3 = nullptr;
  QLabel* Image1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // Green played by a person
  QLabel* Image2 = nullptr;
  QRadioButton* RadioButton2 = nullptr;  // Green played by the computer
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormClose
  void reject() override;                        // Esc presses Cancel
};

}  // namespace forms
