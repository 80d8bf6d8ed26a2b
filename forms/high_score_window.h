#pragma once
// TForm2: the high-score window, listing the ten best results of the score table.
#include <QDialog>

class QPushButton;
class QTableWidget;

namespace forms {

class TForm2 : public QDialog {
 public:
  static constexpr int kRows = 11;  // the header and the ten places
  static constexpr int kColumns = 3;

  explicit TForm2(QWidget* parent = nullptr);

  void FormShow();
  void Button1Click();
  // The grid's text at column col, row row (row 0 is the header).
  QString Cell(int col, int row) const;

  QTableWidget* StringGrid1 = nullptr;
  QPushButton* Button1 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // FormClose
  void reject() override;                        // Esc: the window has no cancel button

 private:
  void SetCell(int col, int row, const QString& text);
};

}  // namespace forms
