#include "forms/new_game_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "engine/play_plane.h"
#include "engine/status.h"
#include "forms/control_placement.h"
#include "forms/fonts.h"
#include "forms/main_window.h"
#include "forms/spin_edit.h"
#include "forms/windows.h"

namespace forms {

namespace {
constexpr int kMinColumns = 5, kMaxColumns = 19;
constexpr int kMinRows = 5, kMaxRows = 12;
}  // namespace

TOKBottomDlg::TOKBottomDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Create new game"));
  setFont(DialogFont());
  setFixedSize(203, 167);
  setAttribute(Qt::WA_QuitOnClose, false);

  // Created first, so it lies beneath the controls it frames.
  Bevel1 = new QFrame(this);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel1->setGeometry(7, 7, 188, 123);

  Label1 = AddLabel(this, QStringLiteral("X Size"), {18, 17, 32, 12});
  SpinEdit1 = new SpinEdit(kMinColumns, kMaxColumns, kMinColumns, this);
  SpinEdit1->setGeometry(74, 14, 112, 21);
  Label2 = AddLabel(this, QStringLiteral("Y Size"), {18, 40, 32, 12});
  SpinEdit2 = new SpinEdit(kMinRows, kMaxRows, kMinRows, this);
  SpinEdit2->setGeometry(74, 37, 112, 21);
  Label3 = AddLabel(this, QStringLiteral("Green player"), {14, 78, 65, 12});
  Image1 = AddPicture(this, QStringLiteral(":/person16.png"), {83, 78, 16, 16});
  RadioButton1 = AddRadioButton(this, QStringLiteral("Human"), {106, 78, 70, 16});
  RadioButton1->setChecked(true);
  Image2 = AddPicture(this, QStringLiteral(":/computer16.png"), {83, 102, 16, 16});
  RadioButton2 = AddRadioButton(this, QStringLiteral("Computer"), {106, 102, 75, 15});

  OKBtn = AddButton(this, QStringLiteral("OK"), {27, 138, 69, 24});
  OKBtn->setDefault(true);
  CancelBtn = AddButton(this, QStringLiteral("Cancel"), {101, 138, 69, 24});
  connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TOKBottomDlg::CancelBtnClick);

  setTabOrder(SpinEdit1, SpinEdit2);
  setTabOrder(SpinEdit2, RadioButton1);
  setTabOrder(RadioButton1, RadioButton2);
  setTabOrder(RadioButton2, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  CentreOnScreen(this);
}

void TOKBottomDlg::OKBtnClick() {
  if (RadioButton1->isChecked()) Form1->ComputerPlays = false;
  if (RadioButton2->isChecked()) Form1->ComputerPlays = true;
  hide();
  const int X = SpinEdit1->Value();
  const int Y = SpinEdit2->Value();

  engine::GameState& game = Form1->Game();
  // A turn or a game end still pending from the old board must not run on the new one.
  game.TurnFinished = false;
  game.GameOverPending = false;
  game.Plane->Restart(X, Y);
  engine::ShowTurn(game, engine::kBlue);
  SetMainEnabled(true);
}

void TOKBottomDlg::CancelBtnClick() {
  hide();
  SetMainEnabled(true);
}

void TOKBottomDlg::closeEvent(QCloseEvent* event) {
  SetMainEnabled(true);
  event->accept();
}

void TOKBottomDlg::reject() { CancelBtnClick(); }

}  // namespace forms
