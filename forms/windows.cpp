#include "forms/windows.h"

#include <QRadioButton>

#include "forms/about_box.h"
#include "forms/game_over_window.h"
#include "forms/high_score_window.h"
#include "forms/language_chooser.h"
#include "forms/main_window.h"
#include "forms/new_game_dialog.h"
#include "forms/rules_window.h"
#include "forms/turn_indicator_window.h"

namespace forms {

TForm6* Form6 = nullptr;
TForm1* Form1 = nullptr;
TAboutBox* AboutBox = nullptr;
TOKBottomDlg* OKBottomDlg = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;

namespace {
// Creates a window and publishes it; the reference is set as soon as the object exists.
template <typename T>
void Create(T*& ref) {
  ref = new T();
}
template <typename T>
void Destroy(T*& ref) {
  delete ref;
  ref = nullptr;
}
}  // namespace

void CreateWindows() {
  Create(Form6);
  Create(Form1);
  Create(AboutBox);
  Create(OKBottomDlg);
  Create(Form2);
  Create(Form3);
  Create(Form4);
  Create(Form5);
}

void DestroyWindows() {
  Destroy(Form5);
  Destroy(Form4);
  Destroy(Form3);
  Destroy(Form2);
  Destroy(OKBottomDlg);
  Destroy(AboutBox);
  Destroy(Form1);
  Destroy(Form6);
}

bool EnglishChecked() { return !Form6 || Form6->RadioButton1->isChecked(); }
bool CzechChecked() { return Form6 && Form6->RadioButton2->isChecked(); }

void SetMainEnabled(bool enabled) {
  if (Form1) Form1->setEnabled(enabled);
}

void ShowSecondary(Secondary which) {
  switch (which) {
    case Secondary::NewGame: OKBottomDlg->show(); break;
    case Secondary::HighScore: Form2->show(); break;
    case Secondary::Rules: Form5->show(); break;
    case Secondary::About: AboutBox->show(); break;
    case Secondary::GameOver: Form3->ShowGameOver(); break;
  }
}

}  // namespace forms
