#pragma once
// The application object. No exception may cross Qt's event loop: every event handler runs
// through notify(), which reports an escaping exception in a message box and lets the program
// run on.
#include <QApplication>
#include <exception>
#include <functional>

namespace forms {

class KbApplication : public QApplication {
 public:
  KbApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Reports an exception to the user (a message box with its message). Tests may replace the
// reporter to see the messages without a modal box.
void ReportException(const std::exception& error);
void SetExceptionReporter(std::function<void(const QString&)> reporter);

// Runs handler, reporting any exception it raises; returns whether it completed.
bool Guarded(const std::function<void()>& handler);

}  // namespace forms
