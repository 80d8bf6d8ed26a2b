#pragma once
// TForm6: the language chooser, the first window of the program. Its two radio buttons are
// the language setting for the whole run.
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace forms {

class TForm6 : public QWidget {
 public:
  explicit TForm6(QWidget* parent = nullptr);

  // Leaves the chooser for the game, in Czech if that was chosen.
  void Button1Click();
  // Asks the main window to close; its close handler asks the user first.
  void Button2Click();

  QLabel* Label1 = nullptr;
  QRadioButton* RadioButton1 = nullptr;  // English
  QRadioButton* RadioButton2 = nullptr;  // Czech
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 protected:
  // The close box ends the program at once, without a question.
  void closeEvent(QCloseEvent* event) override;
};

// Gives the other windows their Czech captions. Texts not listed here stay English.
void ApplyCzechCaptions();

}  // namespace forms
