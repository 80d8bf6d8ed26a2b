#include "forms/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace forms {

namespace {
const QString kDataFolderName = QStringLiteral("kalmex-bubbles");

QString& FolderOverride() {
  static QString folder;
  return folder;
}

std::optional<bool>& WritableOverride() {
  static std::optional<bool> decision;
  return decision;
}

// The data folder of an installed copy, relative to its bin folder.
QString InstalledDataFolder() {
  return QDir::cleanPath(QDir(ProgramFolder()).filePath(QStringLiteral("../share/") + kDataFolderName));
}
}  // namespace

QString ProgramFolder() {
  return FolderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : FolderOverride();
}

void SetProgramFolder(const QString& folder) { FolderOverride() = folder; }

std::string ProgramFile(const QString& name) { return QDir(ProgramFolder()).filePath(name).toStdString(); }

bool CanCreateFileIn(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kalmex-bubbles-probe-XXXXXX")));
  return probe.open();  // removed again when the probe goes out of scope
}

bool ProgramFolderWritable() {
  if (WritableOverride()) return *WritableOverride();
  if (QFileInfo(InstalledDataFolder()).isDir()) return false;
  return CanCreateFileIn(ProgramFolder());
}

void SetProgramFolderWritable(std::optional<bool> decision) { WritableOverride() = decision; }

QString UserDataFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(kDataFolderName);
}

std::string UserFile(const QString& name) {
  if (ProgramFolderWritable()) return ProgramFile(name);
  const QString folder = UserDataFolder();
  QDir().mkpath(folder);  // a failure shows up as the file's own I/O error
  return QDir(folder).filePath(name).toStdString();
}

std::string DataFile(const QString& name) {
  QStringList candidates{QDir(ProgramFolder()).filePath(name), QDir(InstalledDataFolder()).filePath(name)};
  // The user's data folder first, then the system's (XDG_DATA_DIRS).
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    candidates.append(QDir(folder).filePath(kDataFolderName + u'/' + name));
  for (const QString& candidate : candidates)
    if (QFileInfo(candidate).isFile()) return candidate.toStdString();
  return ProgramFile(name);
}

QString SavedGamesFolder() {
  if (ProgramFolderWritable()) return ProgramFolder();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace forms
