#pragma once
// Where the program's files live.
//
// Run from a folder of its own (the build folder, a copied executable), the game keeps
// everything beside the executable. An installed copy cannot write there, so it keeps the score
// table in the user's data folder, reads the rules from the installed data folder and opens the
// saved-game dialogs in the user's documents folder.
#include <QString>
#include <optional>
#include <string>

namespace forms {

// The executable's folder. Tests point it at a scratch folder of their own.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);  // an empty folder restores the default

// A file name in the program's folder.
std::string ProgramFile(const QString& name);

// Whether the program keeps its own files beside the executable: the folder must take a new
// file, and it must not be the bin folder of an installed copy (one with
// ../share/kalmex-bubbles beside it), which only root could write to and which package
// removal must leave clean. Tests may decide it instead of the probe.
bool ProgramFolderWritable();
void SetProgramFolderWritable(std::optional<bool> decision);  // nullopt restores the probe

// Whether a new file can be created in the folder, found by creating and removing one: the
// folder's permission bits say nothing when running as root.
bool CanCreateFileIn(const QString& folder);

// The user's data folder for this program (~/.local/share/kalmex-bubbles).
QString UserDataFolder();

// A file the program writes (the score table): beside the executable when the program folder
// is writable, else in the user's data folder, which is created when missing.
std::string UserFile(const QString& name);

// A file the program only reads (the rules texts): the first that exists of the one beside
// the executable, the installed one in ../share/kalmex-bubbles, and the ones in the user's and
// the system's data folders. When there is none, the name beside the executable, so that the
// error names the usual place.
std::string DataFile(const QString& name);

// The folder the saved-game dialogs open in: the program folder when it is writable, else the
// user's documents folder, or the home folder when there is no documents folder.
QString SavedGamesFolder();

}  // namespace forms
