#pragma once
// TAboutBox: the About box with the program's name, version and a few fixed lines.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace forms {

class TAboutBox : public QDialog {
 public:
  // The author line in either language.
  static const QString kAuthorLine;
  static const QString kCzechAuthorLine;

  explicit TAboutBox(QWidget* parent = nullptr);

  void OKButtonClick();

  QFrame* Panel1 = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* Version = nullptr;
  QLabel* AuthorLine = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Comments = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* OKButton = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormClose
  void reject() override;                        // Esc: the box has no cancel button
};

}  // namespace forms
