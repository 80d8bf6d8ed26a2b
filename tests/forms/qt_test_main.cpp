// Runs GoogleTest inside a Qt application on the offscreen platform, with the program's
// windows created in their start-up order for every test that asks for them.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "forms/application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The windows look for data files in the user's and the system's data folders too: point
  // those at an empty folder, so that neither an installed copy nor the user's files are seen.
  QTemporaryDir dataFolders;
  qputenv("XDG_DATA_HOME", dataFolders.filePath("user").toLocal8Bit());
  qputenv("XDG_DATA_DIRS", dataFolders.filePath("system").toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  forms::KbApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
