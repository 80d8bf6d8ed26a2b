// The main window's "Save game" and "Load game" commands.
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "engine/play_plane.h"
#include "engine/saved_game.h"
#include "forms/main_window.h"
#include "forms/program_folder.h"

namespace forms {

namespace {
const QString kFilter = QStringLiteral("KalmexBubbles Save File (*.kbsf)");

std::string AskFileName(QWidget* parent, QFileDialog::AcceptMode mode) {
  // Opens beside the program, or in the documents folder for an installed copy.
  QFileDialog dialog(parent, QString(), SavedGamesFolder(), kFilter);
  dialog.setAcceptMode(mode);
  dialog.setDefaultSuffix(QStringLiteral("kbsf"));
  dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst().toStdString();
}
}  // namespace

void TForm1::Savegame1Click() {
  QDir::setCurrent(ProgramFolder());
  const std::string name = AskSaveFileName ? AskSaveFileName() : AskFileName(this, QFileDialog::AcceptSave);
  if (name.empty()) return;
  SaveGameFile(name);
}

void TForm1::Loadgame1Click() {
  QDir::setCurrent(ProgramFolder());
  const std::string name = AskOpenFileName ? AskOpenFileName() : AskFileName(this, QFileDialog::AcceptOpen);
  if (name.empty()) return;
  LoadGameFile(name);
}

void TForm1::SaveGameFile(const std::string& path) {
  if (!game_.Plane) return;
  engine::WriteSavedGame(path, engine::FromBoard(*game_.Plane, game_.RoundNo));
}

void TForm1::LoadGameFile(const std::string& path) {
  const engine::SavedGameOrRefusal result = engine::ReadSavedGame(path);
  if (const auto* saved = std::get_if<engine::SavedGame>(&result)) {
    engine::ApplySavedGame(game_, *saved);
    return;
  }
  // In English whatever the language: the file is refused and the game goes on untouched.
  if (ShowIncorrectFile) ShowIncorrectFile();
  else QMessageBox(QMessageBox::NoIcon, QStringLiteral("Error"), QStringLiteral("Incorrect file"), QMessageBox::Ok, this).exec();
}

}  // namespace forms
