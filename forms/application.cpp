#include "forms/application.h"

#include <QMessageBox>

namespace forms {

namespace {
std::function<void(const QString&)>& Reporter() {
  static std::function<void(const QString&)> reporter = [](const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kalmex Bubbles"), message, QMessageBox::Ok);
    box.exec();
  };
  return reporter;
}
}  // namespace

KbApplication::KbApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KbApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportException(error);
  } catch (...) {
    ReportException(std::runtime_error("Unexpected error"));
  }
  return false;
}

void ReportException(const std::exception& error) { Reporter()(QString::fromUtf8(error.what())); }

void SetExceptionReporter(std::function<void(const QString&)> reporter) { Reporter() = std::move(reporter); }

bool Guarded(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ReportException(error);
  } catch (...) {
    ReportException(std::runtime_error("Unexpected error"));
  }
  return false;
}

}  // namespace forms
