// Collecting a batch's measurement files and naming their outputs.
#include "BatchInputs.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace vorn::batch {

namespace {

bool isMeasurementName(const QString &name)
{
    return name.endsWith(QLatin1StringView(".VRN"), Qt::CaseInsensitive);
}

// Name order that does not depend on the locale: letter case ignored first,
// then taken into account, so the order is total.
bool nameLess(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QStringList measurementFilesIn(const QString &folder, bool recursive)
{
    const QDir root(QFileInfo(folder).absoluteFilePath());
    QStringList relative;
    QDirIterator it(folder, QDir::Files,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        if (isMeasurementName(it.fileName()))
            relative.append(root.relativeFilePath(it.fileInfo().absoluteFilePath()));
    }
    std::sort(relative.begin(), relative.end(), nameLess);
    // Named below the folder as it was given.
    const QDir given(folder);
    QStringList files;
    for (const QString &name : relative)
        files.append(given.filePath(name));
    return files;
}

// The identity of a file: its resolved path when it exists.
QString identity(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

QStringList collectInputs(const QStringList &paths, bool recursive)
{
    QStringList inputs;
    QSet<QString> seen;
    const auto take = [&](const QString &file) {
        if (!seen.contains(identity(file))) {
            seen.insert(identity(file));
            inputs.append(file);
        }
    };
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir()) {
            for (const QString &file : measurementFilesIn(path, recursive))
                take(file);
        } else {
            take(path);
        }
    }
    return inputs;
}

QStringList outputNames(const QStringList &inputs)
{
    QStringList names;
    QSet<QString> taken{QString::fromUtf16(kSummaryName)};
    for (const QString &input : inputs) {
        const QString stem = QFileInfo(input).completeBaseName();
        const QString base = stem.isEmpty() ? QStringLiteral("measurement") : stem;
        QString name = base;
        for (int n = 2; taken.contains(name.toCaseFolded()); ++n)
            name = base + u'_' + QString::number(n);
        taken.insert(name.toCaseFolded());
        names.append(name);
    }
    return names;
}

} // namespace vorn::batch
