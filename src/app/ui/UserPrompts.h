// The standard dialogs through which the program asks the user for a file or a
// colour, or shows the plain system message box. Tests replace them with
// answers of their own, so that no modal dialog waits for a person.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace vorn::prompts {

struct FileRequest {
    QString title;
    QString filter;       // Qt filter text, e.g. "*.Vrn (*.Vrn)"
    QString directory;    // start folder, empty for the platform's choice
    QString proposedName; // save dialogs: the name shown at start
};

// Empty result: the user cancelled.
QString openFileName(QWidget *parent, const FileRequest &request);
QString saveFileName(QWidget *parent, const FileRequest &request);
// The same, with "." + suffix appended when the name chosen does not end in
// it (letter case ignored).
QString saveFileNameWithSuffix(QWidget *parent, const FileRequest &request, const QString &suffix);
// Several files at once; empty when the user cancelled.
QStringList openFileNames(QWidget *parent, const FileRequest &request);
std::optional<QColor> pickColor(QWidget *parent, const QColor &initial);
void plainMessage(const QString &text);

// Test hooks: when set, they answer instead of the real dialog.
void setOpenFileHook(std::function<QString(const FileRequest &)> hook);
void setSaveFileHook(std::function<QString(const FileRequest &)> hook);
void setOpenFilesHook(std::function<QStringList(const FileRequest &)> hook);
void setColorHook(std::function<std::optional<QColor>(const QColor &)> hook);
void setPlainMessageHook(std::function<void(const QString &)> hook);
void clearHooks();

} // namespace vorn::prompts
