#include "forms/language_chooser.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "forms/about_box.h"
#include "forms/control_placement.h"
#include "forms/fonts.h"
#include "forms/main_window.h"
#include "forms/new_game_dialog.h"
#include "forms/rules_window.h"
#include "forms/turn_indicator_window.h"
#include "forms/windows.h"

namespace forms {

TForm6::TForm6(QWidget* parent) : QWidget(parent, Qt::Window | kCloseBoxOnly) {
  setWindowTitle(QStringLiteral("Kalmex Bubbles"));
  // A narrow face, so that the two-language prompt fits the small window.
  setFont(ArialFont(12));
  setFixedSize(176, 90);

  Label1 = AddLabel(this, QStringLiteral("Select language / vyberte jazyk"), {5, 5, 163, 12});
  RadioButton1 = AddRadioButton(this, QStringLiteral("English"), {5, 20, 113, 17});
  RadioButton1->setChecked(true);
  RadioButton2 = AddRadioButton(this, QStringLiteral("Cesky"), {5, 35, 113, 17});
  Button1 = AddButton(this, QStringLiteral("OK"), {10, 60, 75, 25});
  Button2 = AddButton(this, QStringLiteral("Exit"), {95, 60, 75, 25});
  connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
  CentreOnScreen(this);
}

void TForm6::Button1Click() {
  hide();
  if (!RadioButton1->isChecked()) ApplyCzechCaptions();
  Form1->show();
}

void TForm6::Button2Click() { Form1->close(); }

void TForm6::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::quit();
}

void ApplyCzechCaptions() {
  Form1->File1->setTitle(QStringLiteral("Soubor"));
  Form1->Newgame1->setText(QStringLiteral("Nova hra"));
  Form1->Savegame1->setText(QStringLiteral("Ulozit hru"));
  Form1->Loadgame1->setText(QStringLiteral("Nahrat hru"));
  Form1->Exit1->setText(QStringLiteral("Konec"));
  Form1->Configuration1->setTitle(QStringLiteral("Konfigurace"));
  Form1->Largeplayerturn1->setText(QStringLiteral("Velky ukazatel hrace"));
  Form4->setWindowTitle(QStringLiteral("Na tahu je"));
  Form1->Help1->setTitle(QStringLiteral("Pomoc"));
  Form1->About1->setText(QStringLiteral("O hre ..."));
  Form1->Gamerules1->setText(QStringLiteral("Pravidla hry"));

  AboutBox->setWindowTitle(QStringLiteral("O hre ..."));
  SetCaption(AboutBox->Version, QStringLiteral("Verze 1.01"));
  SetCaption(AboutBox->AuthorLine, TAboutBox::kCzechAuthorLine);
  SetCaption(AboutBox->Label1, QStringLiteral("Kontakt"));
  SetCaption(AboutBox->Comments, QStringLiteral("Tato hra je freeware"));
  Form5->setWindowTitle(QStringLiteral("Pravidla hry"));

  OKBottomDlg->setWindowTitle(QStringLiteral("Vytvor novou hru"));
  SetCaption(OKBottomDlg->Label3, QStringLiteral("Zeleny hrac"));
  OKBottomDlg->RadioButton1->setText(QStringLiteral("Clovek"));
  OKBottomDlg->RadioButton2->setText(QStringLiteral("Pocitac"));
  OKBottomDlg->CancelBtn->setText(QStringLiteral("Zrusit"));

  const char* const statusCaptions[] = {"Modry", "Zeleny", "Celkem", "Kolo", "Velkost hraci plochy"};
  for (int panel = 0; panel < platform::StatusBarModel::kPanels; ++panel)
    Form1->StatusBar2Model().SetPanelText(panel, statusCaptions[panel]);
}

}  // namespace forms
