// The program's folder, overridable for tests and tools.
#include "ProgramFolder.h"

#include <QCoreApplication>

namespace vorn {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

QString withTrailingSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

} // namespace

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString &folder)
{
    folderOverride() = folder.isEmpty() ? QString() : withTrailingSlash(folder);
}

} // namespace vorn
