#include "forms/about_box.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "forms/control_placement.h"
#include "forms/fonts.h"
#include "forms/windows.h"

namespace forms {

namespace {
constexpr int kLowerLineWidth = 155;  // up to the logo at 170
}  // namespace

const QString TAboutBox::kAuthorLine = QStringLiteral("Written by the Kalmex Bubbles team");
const QString TAboutBox::kCzechAuthorLine = QStringLiteral("Napsal tym Kalmex Bubbles");

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, Qt::Dialog | kCloseBoxOnly | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("About"));
  setFont(DialogFont());
  setFixedSize(298, 220);
  setAttribute(Qt::WA_QuitOnClose, false);

  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(2);
  Panel1->setGeometry(8, 8, 281, 168);

  ProgramIcon = AddPicture(Panel1, QStringLiteral(":/bubble64.png"), {8, 8, 64, 64}, true);
  ProductName = AddLabel(Panel1, QString(), {88, 16, 161, 24});
  ProductName->setFont(ArialFont(21, true));
  SetCaption(ProductName, QStringLiteral("Kalmex Bubbles"));
  Version = AddLabel(Panel1, QStringLiteral("Version 1.01"), {88, 40, 59, 13});
  AuthorLine = AddLabel(Panel1, kAuthorLine, {10, 80, 194, 13});
  Label1 = AddLabel(Panel1, QString(), {10, 95, 49, 13});
  Label1->setFont(DialogFont(11, true));
  SetCaption(Label1, QStringLiteral("Contact:"));
  Label2 = AddLabel(Panel1, QStringLiteral("Help > Game rules"), {65, 95, 106, 13});
  Label3 = AddLabel(Panel1, QStringLiteral("Help > About"), {65, 110, 83, 13});
  // The two lower lines wrap within the room left of the logo; the dialog font is wider than
  // the one their places were measured for.
  Comments = AddWrappingLabel(Panel1, QStringLiteral("This game is freeware"), {8, 134, kLowerLineWidth, 13});
  Label4 = AddWrappingLabel(Panel1, QStringLiteral("Kalmex Bubbles team"), {8, 149, kLowerLineWidth, 13});
  Image1 = AddPicture(Panel1, QStringLiteral(":/logo104x40.png"), {170, 120, 104, 40});

  OKButton = AddButton(this, QStringLiteral("OK"), {111, 185, 75, 25});
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
  CentreOnScreen(this);
}

void TAboutBox::OKButtonClick() {
  hide();
  SetMainEnabled(true);
}

void TAboutBox::closeEvent(QCloseEvent* event) {
  SetMainEnabled(true);
  event->accept();
}

void TAboutBox::reject() {}

}  // namespace forms
