// The main window's file-open queue: paths from the command line, from later
// copies of the program, from the pendrive window and from dropped files,
// opened one per second, newest first.
#include "TFrm_Main.h"

#include "app/HandOverServer.h"
#include "measurement/DosDateTime.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <exception>

namespace {

// A first argument is queued only when it names an existing file whose
// extension is exactly ".VRN".
bool isMeasurementArgument(const QString &name)
{
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return false;
    const QString fileName = QFileInfo(name).fileName();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 0 && QStringView(fileName).mid(dot) == u".VRN";
}

// The local measurement files among dropped items (any letter case).
QStringList droppedMeasurements(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).suffix().compare(u"vrn", Qt::CaseInsensitive) == 0)
            paths.append(path);
    }
    return paths;
}

// Ends one tick of the queue in every case: the guard is cleared and the
// timer runs again.
class QueueTickEnd {
public:
    QueueTickEnd(QTimer *timer, bool &guard) : m_timer(timer), m_guard(guard) {}
    ~QueueTickEnd()
    {
        m_timer->start();
        m_guard = false;
    }
    QueueTickEnd(const QueueTickEnd &) = delete;
    QueueTickEnd &operator=(const QueueTickEnd &) = delete;

private:
    QTimer *m_timer;
    bool &m_guard;
};

} // namespace

int32_t TFrm_Main::fileDateOf(const QString &path)
{
    return vorn::measurement::dosFileDateTime(path);
}

void TFrm_Main::Add_File_List(const QString &FN)
{
    Load_File_List.append(FN);
    fileDate_report = fileDateOf(FN);
}

void TFrm_Main::Load_From_Params(const QString &FileName)
{
    if (isMeasurementArgument(FileName))
        Add_File_List(FileName);
}

QWidget *TFrm_Main::activeForm() const
{
    // A modal dialog is the active window of the program while it is open.
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    // (A window just closed can still be reported active for a moment.)
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    // The program is in the background (say, the user is in the file manager
    // that handed a file over): the window last active still counts.
    if (m_lastActive && m_lastActive->isVisible())
        return m_lastActive;
    return const_cast<TFrm_Main *>(this);
}

bool TFrm_Main::queueWindowActive() const
{
    const QWidget *active = m_activeForm();
    return active
        && (active == this || active->inherits("TFrm_Graph") || active->inherits("TFrm_Pendrive"));
}

void TFrm_Main::Time_LFFTimer()
{
    if (!queueWindowActive() || Is_LFL_Used)
        return;
    Time_LFF->stop();
    const QueueTickEnd tickEnd(Time_LFF, Is_LFL_Used);
    if (Load_File_List.isEmpty())
        return;
    Is_LFL_Used = true;
    // The path leaves the queue before the load starts: a path queued while
    // the file loads (the load lets other events through) stays queued.
    loadQueued(Load_File_List.takeLast());
}

void TFrm_Main::loadQueued(const QString &path)
{
    try {
        m_loadFile(*this, path);
    } catch (const std::exception &) {
        // The reader reports its own failures; anything else that escapes it
        // still means this file could not be opened.
        Sajat_Dlg(texts.Err_List(3), dtError);
    }
}

bool TFrm_Main::startHandOver()
{
    if (!m_handOver) {
        m_handOver = new HandOverServer([this] { return windowTitle(); }, this);
        connect(m_handOver, &HandOverServer::pathReceived, this, &TFrm_Main::Add_File_List);
    }
    return m_handOver->isListening() || m_handOver->listen();
}

void TFrm_Main::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedMeasurements(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TFrm_Main::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedMeasurements(event->mimeData());
    if (paths.isEmpty())
        return;
    for (const QString &path : paths)
        Add_File_List(path);
    event->acceptProposedAction();
}
