#include "forms/rules_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringDecoder>

#include "forms/application.h"
#include "forms/control_placement.h"
#include "forms/fonts.h"
#include "forms/program_folder.h"
#include "forms/windows.h"
#include "platform/binary_file.h"

namespace forms {

namespace {
// Client area of the sizeable window, whose outer size is 373 × 401 with the classic frame.
constexpr int kClientWidth = 365;
constexpr int kClientHeight = 374;
}  // namespace

QString DecodeRulesText(const std::string& bytes) {
  const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(view);
  if (utf8.hasError()) {
    QStringDecoder latin2("ISO-8859-2");
    text = latin2.decode(view);
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

TForm5::TForm5(QWidget* parent) : QWidget(parent, Qt::Window | kNoBorderIcons) {
  setWindowTitle(QStringLiteral("Game rules"));
  setFont(DialogFont());
  resize(kClientWidth, kClientHeight);
  setAttribute(Qt::WA_QuitOnClose, false);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(5, 5, 356, 331);
  Memo1->setFont(DialogFont(13));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Button1 = AddButton(this, QStringLiteral("&OK"), {145, 345, 75, 25});
  connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  CentreOnScreen(this);
}

void TForm5::LoadMemo(const QString& fileName) {
  Memo1->setPlainText(DecodeRulesText(platform::ReadWholeFile(DataFile(fileName))));
}

void TForm5::FormShow() {
  Memo1->clear();
  if (EnglishChecked()) {
    LoadMemo(QStringLiteral("rules_en.txt"));
    return;
  }
  if (CzechChecked()) LoadMemo(QStringLiteral("rules_cz.txt"));
}

void TForm5::Button1Click() {
  SetMainEnabled(true);
  hide();
}

void TForm5::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) Guarded([this] { FormShow(); });
}

void TForm5::closeEvent(QCloseEvent* event) {
  SetMainEnabled(true);
  event->accept();
}

}  // namespace forms
