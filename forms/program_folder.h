#pragma once
// The folder the program keeps its files in: the executable's folder. Tests point it at a
// scratch folder of their own.
#include <QString>
#include <string>

namespace forms {

QString ProgramFolder();
void SetProgramFolder(const QString& folder);  // an empty folder restores the default
// A file name in the program's folder.
std::string ProgramFile(const QString& name);

}  // namespace forms
