#include "forms/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace forms {

namespace {
QString& Override() {
  static QString folder;
  return folder;
}
}  // namespace

QString ProgramFolder() {
  return Override().isEmpty() ? QCoreApplication::applicationDirPath() : Override();
}

void SetProgramFolder(const QString& folder) { Override() = folder; }

std::string ProgramFile(const QString& name) { return QDir(ProgramFolder()).filePath(name).toStdString(); }

}  // namespace forms
