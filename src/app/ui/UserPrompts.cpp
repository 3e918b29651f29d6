// The standard file, colour and message dialogs, each replaceable by a test.
#include "UserPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace vorn::prompts {

namespace {

std::function<QString(const FileRequest &)> s_openHook;
std::function<QString(const FileRequest &)> s_saveHook;
std::function<QStringList(const FileRequest &)> s_openFilesHook;
std::function<std::optional<QColor>(const QColor &)> s_colorHook;
std::function<void(const QString &)> s_plainHook;

// The platform dialogs start in the folder last used when the caller names
// none, as the program's users know it from the system they came from.
QString s_lastFolder;

QString startFolder(const FileRequest &request)
{
    return request.directory.isEmpty() ? s_lastFolder : request.directory;
}

QString remember(const QString &path)
{
    if (!path.isEmpty())
        s_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

QString openFileName(QWidget *parent, const FileRequest &request)
{
    if (s_openHook)
        return s_openHook(request);
    return remember(QFileDialog::getOpenFileName(parent, request.title, startFolder(request),
                                                 request.filter));
}

QString saveFileName(QWidget *parent, const FileRequest &request)
{
    if (s_saveHook)
        return s_saveHook(request);
    QString start = startFolder(request);
    if (!request.proposedName.isEmpty())
        start = start.isEmpty() ? request.proposedName : start + u'/' + request.proposedName;
    // The callers ask their own overwrite question.
    return remember(QFileDialog::getSaveFileName(parent, request.title, start, request.filter,
                                                 nullptr, QFileDialog::DontConfirmOverwrite));
}

QString saveFileNameWithSuffix(QWidget *parent, const FileRequest &request, const QString &suffix)
{
    const QString path = saveFileName(parent, request);
    const QString ending = u'.' + suffix;
    if (path.isEmpty() || path.endsWith(ending, Qt::CaseInsensitive))
        return path;
    return path + ending;
}

QStringList openFileNames(QWidget *parent, const FileRequest &request)
{
    if (s_openFilesHook)
        return s_openFilesHook(request);
    const QStringList paths =
        QFileDialog::getOpenFileNames(parent, request.title, startFolder(request), request.filter);
    if (!paths.isEmpty())
        remember(paths.front());
    return paths;
}

std::optional<QColor> pickColor(QWidget *parent, const QColor &initial)
{
    if (s_colorHook)
        return s_colorHook(initial);
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

void plainMessage(const QString &text)
{
    if (s_plainHook) {
        s_plainHook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok);
    box.exec();
}

void setOpenFileHook(std::function<QString(const FileRequest &)> hook) { s_openHook = std::move(hook); }
void setSaveFileHook(std::function<QString(const FileRequest &)> hook) { s_saveHook = std::move(hook); }
void setOpenFilesHook(std::function<QStringList(const FileRequest &)> hook) { s_openFilesHook = std::move(hook); }
void setColorHook(std::function<std::optional<QColor>(const QColor &)> hook) { s_colorHook = std::move(hook); }
void setPlainMessageHook(std::function<void(const QString &)> hook) { s_plainHook = std::move(hook); }

void clearHooks()
{
    s_openHook = {};
    s_saveHook = {};
    s_openFilesHook = {};
    s_colorHook = {};
    s_plainHook = {};
}

} // namespace vorn::prompts
