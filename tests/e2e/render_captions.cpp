// Draws a menu bar and a caption status bar with the captions given, with the game's widgets
// and fonts, in the X server of the test, so that the captions the game shows there can be
// compared with them pixel by pixel.
// Usage: render_captions <menu-bar.png> <status-bar.png> <menu titles> <panel texts>
// The titles and the texts are separated by commas; the status bar has Blue's colour.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <cstdio>

#include "forms/fonts.h"
#include "forms/status_bar_widget.h"
#include "platform/status_bar.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s menu-bar.png status-bar.png title,title,... text,text,...\n", argv[0]);
    return 2;
  }
  QApplication::setFont(forms::DialogFont());
  QMainWindow window;
  window.setFont(forms::DialogFont());
  for (const QString& title : QString::fromUtf8(argv[3]).split(u','))
    window.menuBar()->addMenu(title);
  platform::StatusBarModel model;
  const QStringList texts = QString::fromUtf8(argv[4]).split(u',');
  for (int i = 0; i < texts.size() && i < 5; ++i) model.SetPanelText(i, texts[i].toStdString());
  model.SetColor(platform::clBlueToMove);
  auto* bar = new forms::StatusBarWidget(model, &window);
  window.setCentralWidget(bar);
  bar->setFixedSize(632, forms::StatusBarWidget::kHeight);
  window.show();
  QApplication::processEvents();
  const bool saved = window.menuBar()->grab().save(QString::fromLocal8Bit(argv[1])) &&
                     bar->grab().save(QString::fromLocal8Bit(argv[2]));
  return saved ? 0 : 1;
}
