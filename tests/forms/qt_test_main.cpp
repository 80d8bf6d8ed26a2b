// Runs GoogleTest inside a Qt application on the offscreen platform, with the program's
// windows created in their start-up order for every test that asks for them.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "forms/application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  forms::KbApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
