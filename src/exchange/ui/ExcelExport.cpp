// The spreadsheet export's dialogs and progress window around the export.
#include "ExcelExport.h"

#include "app/ui/UserPrompts.h"
#include "exchange/SampleExport.h"
#include "measurement/ui/TFrm_LoadGraph.h"
#include "settings/LanguageTables.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>

namespace vorn::exchange {

namespace {

// The progress window of one export, made once the workbook is started.
class ExportProgress {
public:
    explicit ExportProgress(const ExchangeHost &host) : m_host(host) {}
    ~ExportProgress() { close(); }
    ExportProgress(const ExportProgress &) = delete;
    ExportProgress &operator=(const ExportProgress &) = delete;

    void show()
    {
        m_window = new TFrm_LoadGraph(m_host.owner, *m_host.texts);
        m_window->Set_Calc_E();
        // The program is held still meanwhile; the progress window's cancel
        // button (which only hides it) stays usable.
        m_window->setEnabled(true);
        m_window->show();
    }
    void step(qint64 done, qint64 total)
    {
        if (m_window)
            m_window->Calc_sz_E(0, 100, 0, total, done, true);
    }
    void close() { delete m_window.data(); }

private:
    const ExchangeHost &m_host;
    QPointer<TFrm_LoadGraph> m_window;
};

// Holds the program still, with the busy cursor, while the export writes.
class ExportBusy {
public:
    explicit ExportBusy(const ExchangeHost &host) : m_host(host)
    {
        if (m_host.setBusy)
            m_host.setBusy(true);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~ExportBusy()
    {
        QApplication::restoreOverrideCursor();
        if (m_host.setBusy)
            m_host.setBusy(false);
    }
    ExportBusy(const ExportBusy &) = delete;
    ExportBusy &operator=(const ExportBusy &) = delete;

private:
    const ExchangeHost &m_host;
};

QString resultMessage(const ExportResult &result, const TextTables &texts)
{
    QString text;
    switch (result.outcome) {
    case ExportOutcome::Done:
        return texts.Text_List(18);
    case ExportOutcome::CannotStart:
        text = texts.Err_List(15);
        break;
    case ExportOutcome::CannotReplaceTarget:
        text = texts.Err_List(28);
        break;
    case ExportOutcome::Failed:
        text = QString::fromUtf16(kExportFailedText);
        break;
    }
    return result.reason.isEmpty() ? text : text + u'\n' + result.reason;
}

} // namespace

void Save_ExcelToFile(const ExchangeHost &host, const TFile_Datas &record)
{
    const TextTables &texts = *host.texts;
    // The save dialog's title and filter are left as they are.
    prompts::FileRequest request;
    request.proposedName = defaultExportName(QDateTime::currentDateTime());
    const QString chosen = prompts::saveFileName(host.owner, request);
    if (chosen.isEmpty())
        return;
    const QString target = exportTargetPath(chosen);
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink()) {
        if (host.Sajat_Dlg(texts.Text_List(21), dtQuestion) == drNo)
            return;
        if (!canReplaceExisting(target)) {
            host.Sajat_Dlg(texts.Err_List(28), dtError);
            return;
        }
    }

    ExportProgress progress(host);
    ExportResult result;
    {
        const ExportBusy busy(host);
        ExportSteps steps;
        steps.started = [&] { progress.show(); };
        steps.progress = [&](qint64 done, qint64 total) { progress.step(done, total); };
        result = exportSamples(record, target, steps);
    }
    host.Sajat_Dlg(resultMessage(result, texts), result.ok() ? dtInformation : dtError);
    progress.close();
}

} // namespace vorn::exchange
