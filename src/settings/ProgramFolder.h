// The program's folder: where the executable, the language file and the
// settings file live.
#pragma once

#include <QString>

namespace vorn {

// The folder of the executable with a trailing "/", or the folder set by
// setProgramFolder(). Needs a QCoreApplication unless a folder is set.
QString programFolder();

// Makes programFolder() return folder (a trailing "/" is added when missing);
// an empty folder goes back to the executable's folder. For tests and tools.
void setProgramFolder(const QString &folder);

} // namespace vorn
