// A measurement of the comparison and the hand-over of its record.
#include "CompareMeasurement.h"

#include "RecordWatch.h"
#include "measurement/MeasurementRecord.h"

#include <QFileInfo>

namespace vorn::graphui {

QString samePathKey(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

CompareMeasurement::CompareMeasurement(const CompareOffer &offer, QObject *parent)
    : QObject(parent)
{
    attach(offer);
}

CompareMeasurement::CompareMeasurement(std::shared_ptr<const TFile_Datas> record,
                                       const QString &title, const QString &path, int warnings,
                                       QObject *parent)
    : QObject(parent), m_record(record.get()), m_held(std::move(record)), m_title(title), m_path(path),
      m_warnings(warnings)
{
}

void CompareMeasurement::attach(const CompareOffer &offer)
{
    m_record = offer.record;
    m_window = offer.window;
    m_title = offer.title;
    m_warnings = offer.warnings;
    if (!offer.path.isEmpty())
        m_path = offer.path;
    watch(offer.watch);
    // The window's record stands in for the one held, which goes once the
    // readers have turned to the new one.
    const std::shared_ptr<const TFile_Datas> previous = std::move(m_held);
    emit changed();
}

void CompareMeasurement::watch(RecordWatch *watch)
{
    disconnect(m_changed);
    disconnect(m_released);
    if (!watch)
        return;
    m_changed = connect(watch, &RecordWatch::changed, this, &CompareMeasurement::changed);
    m_released = connect(watch, &RecordWatch::released, this,
                         [this](std::shared_ptr<const TFile_Datas> record) {
                             m_held = std::move(record);
                             m_record = m_held.get();
                             m_window = nullptr;
                             emit changed();
                         });
}

bool CompareMeasurement::isFile(const QString &path) const
{
    return !m_path.isEmpty() && samePathKey(m_path) == samePathKey(path);
}

} // namespace vorn::graphui
