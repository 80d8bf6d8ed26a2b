#pragma once
// TForm5: the rules window, showing the rules text of the chosen language.
#include <QWidget>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace forms {

class TForm5 : public QWidget {
 public:
  explicit TForm5(QWidget* parent = nullptr);

  // Reloads the memo from the rules file of the chosen language. The memo is cleared first,
  // so a file that can't be read (EInOutError) leaves it empty.
  void FormShow();
  void Button1Click();

  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;

 protected:
  // A failed load is reported and the window still comes up.
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // FormClose

 private:
  void LoadMemo(const QString& fileName);
};

// The text of a rules file: UTF-8 when the bytes are valid UTF-8, else the 8-bit Central
// European code page (ISO-8859-2); CR LF and lone CR line breaks become LF.
QString DecodeRulesText(const std::string& bytes);

}  // namespace forms
