#pragma once
// Creates the program's windows for one test in a scratch folder that stands in for the
// executable's folder, and answers every message box through recorders.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include "forms/application.h"
#include "forms/main_window.h"
#include "forms/program_folder.h"
#include "forms/windows.h"

class WindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    forms::SetProgramFolder(folder.path());
    forms::SetExceptionReporter([this](const QString& message) { reported.append(message); });
    forms::CreateWindows();
    forms::Form1->AskExit = [this](const QString& text, const QString& title) {
      exitQuestions.append(title + "|" + text);
      return exitAnswer;
    };
  }
  void TearDown() override {
    forms::DestroyWindows();
    forms::SetProgramFolder({});
  }

  // Runs the game loop for n ticks without waiting for the timer.
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) forms::Form1->Timer1Timer();
  }

  QTemporaryDir folder;
  QStringList reported;
  QStringList exitQuestions;
  bool exitAnswer = false;
};
