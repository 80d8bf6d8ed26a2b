// Kalmex Bubbles: start-up. All windows are created hidden; the language chooser comes up
// first, and the game already runs behind it.
#include "forms/application.h"
#include "forms/fonts.h"
#include "forms/language_chooser.h"
#include "forms/windows.h"

int main(int argc, char** argv) {
  forms::KbApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(forms::DialogFont());
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/app_icon_256.png")));
  forms::CreateWindows();
  forms::Form6->show();
  const int result = QApplication::exec();
  forms::DestroyWindows();
  return result;
}
