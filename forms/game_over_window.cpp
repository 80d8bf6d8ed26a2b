#include "forms/game_over_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include "engine/score_table.h"
#include "forms/application.h"
#include "forms/bitmap_image.h"
#include "forms/control_placement.h"
#include "forms/fonts.h"
#include "forms/high_score_window.h"
#include "forms/main_window.h"
#include "forms/windows.h"

namespace forms {

namespace {
constexpr int kBubbleSize = 30;
constexpr int kBlueFrame = 0;     // the whole Blue bubble of the colour-change list
constexpr int kGreenFrame = 24;   // the whole Green bubble
constexpr int kResultSlot = 10;   // the working slot of the score table
constexpr int kNameLength = 20;
// Client area of the sizeable window, whose outer size is 350 × 227 with the classic frame.
constexpr int kClientWidth = 342;
constexpr int kClientHeight = 200;

void PlainMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalmex Bubbles"), text, QMessageBox::Ok);
  box.exec();
}
}  // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Window | kNoBorderIcons | Qt::WindowStaysOnTopHint),
      ShowMessage(PlainMessage),
      picture_(kBubbleSize, kBubbleSize, platform::clBtnFace) {
  setWindowTitle(QStringLiteral("Game Over"));
  setFont(DialogFont());
  resize(kClientWidth, kClientHeight);
  setAttribute(Qt::WA_QuitOnClose, false);

  Label1 = AddLabel(this, QStringLiteral("Label1"), {130, 5, 152, 56});
  Label1->setFont(ArialFont(48, true));
  SetCaption(Label1, Label1->text());
  Label2 = AddLabel(this, QStringLiteral("Label2"), {45, 75, 63, 24});
  Label2->setFont(ArialFont(21));
  SetCaption(Label2, Label2->text());
  Image1 = new QLabel(this);
  Image1->setGeometry(5, 70, kBubbleSize, kBubbleSize);
  Label3 = AddLabel(this, QStringLiteral("Enter player name"), {5, 120, 85, 13});
  Edit1 = new QLineEdit(QStringLiteral("Edit1"), this);
  Edit1->setGeometry(5, 135, 331, 21);
  Edit1->setMaxLength(kNameLength);
  Button1 = AddButton(this, QStringLiteral("&OK"), {135, 165, 75, 25});
  Button1->setAutoDefault(false);
  // Reported here rather than in the event loop: an exception must not unwind through Qt.
  connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
  CentreOnScreen(this);
}

void TForm3::ShowWinner(int frame, const QString& name, const QString& message, std::uint8_t winner) {
  Image1->setVisible(true);
  Form1->Lists().ImageList1.Draw(picture_, 0, 0, frame);
  Image1->setPixmap(QPixmap::fromImage(WrapBitmap(picture_)));
  Edit1->setEnabled(true);
  Edit1->setText(name);
  SetCaption(Label2, message);
  Form1->Winner = winner;
}

void TForm3::ShowGameOver() {
  SetCaption(Label1, QStringLiteral("Game Over"));
  Label1->move((width() - Label1->width()) / 2, Label1->y());

  const engine::GameState& game = Form1->Game();
  if (game.BlueCount > game.GreenCount)
    ShowWinner(kBlueFrame, QStringLiteral("Player 1"), QStringLiteral("Blue is winner !!"), engine::kBlue);
  if (game.GreenCount > game.BlueCount)
    ShowWinner(kGreenFrame, QStringLiteral("Player 2"), QStringLiteral("Green is winner !!"), engine::kGreen);
  if (game.GreenCount == game.BlueCount) {
    // A draw keeps the name box's last text and the last winner.
    Image1->setVisible(false);
    Edit1->setEnabled(false);
    SetCaption(Label2, QStringLiteral("It's a draw !!"));
  }
  SetMainEnabled(false);
  show();
}

void TForm3::Button1Click() {
  if (Edit1->isEnabled() && Edit1->text().isEmpty()) {
    ShowMessage(QStringLiteral("Enter your name !!!"));
    return;
  }
  const engine::GameState& game = Form1->Game();
  if (Edit1->isEnabled())
    engine::FillResult(Form1->ScoreTable[kResultSlot], Edit1->text().toStdString(), Form1->Winner, game.BlueCount,
                       game.GreenCount, game.TotalCount);
  // After a draw the table is still sorted and written.
  Form1->SaveScores();
  hide();
  Form2->show();
}

void TForm3::closeEvent(QCloseEvent* event) {
  SetMainEnabled(true);
  event->accept();
}

}  // namespace forms
