// The comparison window's measurements: which ones, their curves read in
// place, the table rows, and the cursor read-out of every curve.
#include "TFrm_Compare.h"

#include "CompareMeasurement.h"
#include "ReadoutPanel.h"
#include "engines/ChartCanvas.h"
#include "engines/ChartWidget.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "graph/ChartValues.h"
#include "graph/CompareTable.h"
#include "graph/IntegrityWarnings.h"
#include "graph/Readout.h"
#include "graph/SpanReadout.h"
#include "graph/TimeText.h"
#include "graph/TimeUnits.h"
#include "measurement/MeasurementReader.h"
#include "settings/LanguageTables.h"
#include "settings/NumberFormat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace vorn::graphui {

namespace {

using vorn::chart::ChartAxis;

// Curve colours, as far apart as twenty can be on white.
constexpr QRgb kPalette[] = {
    0x1F77B4, 0xD62728, 0x2CA02C, 0xFF7F0E, 0x9467BD, 0x8C564B, 0xE377C2, 0x7F7F7F, 0xBCBD22, 0x17BECF,
    0x393B79, 0xE6550D, 0x31A354, 0x843C39, 0x7B4173, 0x3182BD, 0x636363, 0x8CA252, 0xD6616B, 0x6BAED6,
};
const QColor kPass(0x00, 0x80, 0x00);
const QColor kFail(0xFF, 0x00, 0x00);
const QColor kCursor(0x30, 0x30, 0x30);

QPixmap swatch(const QColor &color)
{
    QPixmap picture(14, 14);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(QRect(1, 5, 12, 4), color);
    return picture;
}

} // namespace

QColor TFrm_Compare::curveColor(int index) const
{
    return QColor::fromRgb(kPalette[size_t(index) % std::size(kPalette)]);
}

// ---- which measurements -------------------------------------------------------

void TFrm_Compare::setMeasurements(const QList<CompareChoice> &choices)
{
    QStringList unreadable;
    std::vector<Curve> curves;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const CompareChoice &choice : choices) {
        CompareMeasurement *measurement = measurementFor(choice, unreadable);
        const bool twice = std::any_of(curves.cbegin(), curves.cend(),
                                       [&](const Curve &c) { return c.measurement == measurement; });
        if (measurement && !twice)
            curves.push_back({measurement, nullptr, nullptr});
    }
    QApplication::restoreOverrideCursor();
    // The curves turn to the new measurements before the old ones go.
    const std::vector<Curve> previous = std::exchange(m_curves, curves);
    showCurves();
    for (const Curve &old : previous) {
        const bool kept = std::any_of(m_curves.cbegin(), m_curves.cend(),
                                      [&](const Curve &c) { return c.measurement == old.measurement; });
        if (!kept)
            delete old.measurement;
    }
    fillTable();
    Btn_Def_SizeClick();
    if (!unreadable.isEmpty())
        m_host.Sajat_Dlg(m_host.texts->Err_List(3) + u'\n' + unreadable.join(u'\n'), dtError);
}

CompareMeasurement *TFrm_Compare::measurementFor(const CompareChoice &choice, QStringList &unreadable)
{
    if (choice.kept)
        return choice.kept;
    std::optional<CompareOffer> offer = choice.offer;
    if (!offer) {
        for (const Curve &curve : m_curves) {
            if (curve.measurement->isFile(choice.file))
                return curve.measurement;
        }
        // A file open in a graph window is read there.
        for (const CompareOffer &open : m_host.openMeasurements()) {
            if (!open.path.isEmpty() && samePathKey(open.path) == samePathKey(choice.file))
                offer = open;
        }
        if (!offer)
            return readFile(choice.file, unreadable);
    }
    for (const Curve &curve : m_curves) {
        if (curve.measurement->window() && curve.measurement->window() == offer->window)
            return curve.measurement;
    }
    return adopt(new CompareMeasurement(*offer, this));
}

CompareMeasurement *TFrm_Compare::adopt(CompareMeasurement *measurement)
{
    // A record that changed or was handed over is read again.
    connect(measurement, &CompareMeasurement::changed, this, [this, measurement] {
        for (int i = 0; i < measurementCount(); ++i) {
            if (m_curves[size_t(i)].measurement == measurement)
                showCurve(i);
        }
        fillTable();
        showReadout();
    });
    return measurement;
}

CompareMeasurement *TFrm_Compare::readFile(const QString &path, QStringList &unreadable)
{
    vorn::measurement::ReadResult result = vorn::measurement::readMeasurementFile(path);
    if (!result.ok()) {
        unreadable.append(QFileInfo(path).fileName());
        return nullptr;
    }
    const int warnings = int(vorn::graph::integrityWarnings(result.warnings, result.record).size());
    auto record = std::make_shared<const TFile_Datas>(std::move(result.record));
    return adopt(new CompareMeasurement(std::move(record), QFileInfo(path).fileName(), path, warnings, this));
}

// ---- curves -------------------------------------------------------------------

void TFrm_Compare::showCurves()
{
    while (m_seriesPool.size() < m_curves.size()) {
        vorn::chart::ChartSeries *current = Main_Chart->addSeries(ChartAxis::Side::Right);
        vorn::chart::ChartSeries *voltage = Main_Chart->addSeries(ChartAxis::Side::Left);
        m_seriesPool.emplace_back(voltage, current);
    }
    for (size_t i = 0; i < m_seriesPool.size(); ++i) {
        auto [voltage, current] = m_seriesPool[i];
        if (i < m_curves.size()) {
            m_curves[i].voltage = voltage;
            m_curves[i].current = current;
            showCurve(int(i));
            continue;
        }
        for (vorn::chart::ChartSeries *unused : {voltage, current}) {
            unused->clear();
            unused->setTitle(QString());
            unused->setActive(false);
        }
    }
    Main_Chart->rightAxis()->setVisible(Chb_Current->isChecked() && !m_curves.empty());
    showReadout();
}

void TFrm_Compare::showCurve(int index)
{
    using vorn::chart::ColumnView;
    const Curve &curve = m_curves[size_t(index)];
    const TFile_Datas &record = curve.measurement->record();
    const auto &samples = record.Meres_Datas;
    const int n = int(samples.size());
    const auto alignment = Chb_Align->isChecked() ? vorn::graph::CompareAlignment::FirstDischarge
                                                  : vorn::graph::CompareAlignment::FirstSample;
    const vorn::chart::EvenSpacing times{record.Mint_ido, double(*vorn::graph::timeUnitDivisor(timeUnit())),
                                         vorn::graph::alignmentOrigin(record, alignment)};
    const auto column = [&](const double TMeres_Datas::*field, double gain, double offset) {
        return ColumnView{n > 0 ? &(samples.front().*field) : nullptr,
                          std::ptrdiff_t(sizeof(TMeres_Datas)), gain, offset};
    };
    curve.voltage->showColumns(n, times, column(&TMeres_Datas::Meres_fesz, record.Ukorr, record.UOffs));
    curve.current->showColumns(n, times, column(&TMeres_Datas::Meres_Aram, record.Ikorr, record.IOffs));
    const QColor color = curveColor(index);
    curve.voltage->setTitle(curve.measurement->title());
    curve.voltage->setColor(color);
    curve.voltage->setLineWidth(2);
    curve.voltage->setActive(true);
    curve.current->setTitle(QString());
    curve.current->setColor(color.lighter(140));
    curve.current->setActive(Chb_Current->isChecked());
}

void TFrm_Compare::Chb_AlignClick()
{
    showCurves();
    Btn_Def_SizeClick();
}

void TFrm_Compare::Chb_CurrentClick()
{
    showCurves();
}

void TFrm_Compare::Cmb_TimeChange(int)
{
    ChartAxis *bottom = Main_Chart->bottomAxis();
    const double oldDivisor = m_curves.empty() ? 1.0 : m_curves.front().voltage->data().evenSpacing().divisor;
    const double ratio = oldDivisor / *vorn::graph::timeUnitDivisor(timeUnit());
    const bool fixed = !bottom->isAutomatic();
    const double low = bottom->minimum() * ratio;
    const double high = bottom->maximum() * ratio;
    showCurves();
    // The same stretch of time stays in view.
    if (fixed)
        bottom->setRange(low, high);
    bottom->setTitle(vorn::graph::timeAxisTitle(timeUnit(), *m_host.texts));
}

void TFrm_Compare::Btn_Def_SizeClick()
{
    for (ChartAxis *axis : {Main_Chart->leftAxis(), Main_Chart->rightAxis(), Main_Chart->bottomAxis()})
        axis->setAutomatic(true);
    Main_Chart->refresh();
}

// ---- table ----------------------------------------------------------------------

void TFrm_Compare::fillTable()
{
    TNewListView *list = Lsv_Table->ListView_SET();
    list->clear();
    for (int i = 0; i < measurementCount(); ++i) {
        const CompareMeasurement *measurement = m_curves[size_t(i)].measurement;
        const vorn::graph::CompareRow row = vorn::graph::compareRow(measurement->record(), measurement->title(),
                                                                   measurement->warnings());
        const QStringList cells = vorn::graph::compareRowTexts(row, *m_host.texts);
        Lsv_Table->NewRow();
        QTreeWidgetItem *item = list->topLevelItem(list->topLevelItemCount() - 1);
        item->setText(0, QString::number(i));
        for (int c = 0; c < cells.size(); ++c)
            item->setText(c + 1, cells[c]);
        item->setIcon(vorn::graph::ColFile + 1, swatch(curveColor(i)));
        item->setToolTip(vorn::graph::ColFile + 1, measurement->path());
        if (row.verdict != vorn::graph::Verdict::None) {
            const int column = vorn::graph::ColVerdict + 1;
            item->setForeground(column, row.verdict == vorn::graph::Verdict::Pass ? kPass : kFail);
            QFont bold = item->font(column);
            bold.setBold(true);
            item->setFont(column, bold);
        }
    }
    // Every caption and cell whole; the last column takes the rest.
    for (int c = 1; c < vorn::graph::CompareColumnCount; ++c)
        list->resizeColumnToContents(c);
}

int TFrm_Compare::rowOf(int index) const
{
    const TNewListView *list = Lsv_Table->ListView_SET();
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        if (list->topLevelItem(r)->text(0).toInt() == index)
            return r;
    }
    return -1;
}

// ---- the cursor -----------------------------------------------------------------

void TFrm_Compare::mouseOverChart(QPoint pos)
{
    const QRect plot = Main_Chart->plotRect();
    if (pos.x() < plot.left() || pos.x() > plot.right() || m_curves.empty())
        return;
    setCursorTime(Main_Chart->bottomAxis()->pixelToValue(pos.x()) * *vorn::graph::timeUnitDivisor(timeUnit()));
}

void TFrm_Compare::setCursorTime(double seconds)
{
    m_cursorSeconds = seconds;
    showReadout();
    Main_Chart->update();
}

void TFrm_Compare::drawCursor(vorn::chart::ChartCanvas &canvas) const
{
    if (!m_cursorSeconds || m_curves.empty())
        return;
    const QRect plot = canvas.plotRect();
    const int x = Main_Chart->bottomAxis()->valueToPixel(*m_cursorSeconds / *vorn::graph::timeUnitDivisor(timeUnit()));
    if (x < plot.left() || x > plot.right())
        return;
    canvas.setPen(kCursor, 1, Qt::DashLine);
    canvas.line(x, plot.top(), x, plot.bottom());
}

void TFrm_Compare::showReadout()
{
    if (!m_cursorSeconds || m_curves.empty()) {
        Pnl_Readout->hide();
        return;
    }
    const TextTables &t = *m_host.texts;
    const int unit = timeUnit();
    const double seconds = *m_cursorSeconds;
    QList<QStringList> rows{
        {t.Text_List(69), vorn::graph::readoutValue(seconds / *vorn::graph::timeUnitDivisor(unit),
                                                    vorn::graph::timeUnitText(unit, t))},
        {QString(), t.Text_List(36), t.Text_List(37)},
    };
    QList<QColor> colors{QColor(), QColor()};
    for (int i = 0; i < measurementCount(); ++i) {
        const Curve &curve = m_curves[size_t(i)];
        const TFile_Datas &record = curve.measurement->record();
        const qint64 origin = qint64(curve.voltage->data().evenSpacing().origin);
        const qint64 k = vorn::graph::sampleAtCompareTime(record, origin, seconds);
        QStringList row{curve.measurement->title(), vorn::graph::noReadout(), vorn::graph::noReadout()};
        if (k >= 0) {
            const TMeres_Datas &sample = record.Meres_Datas[size_t(k)];
            row[1] = vorn::graph::readoutValue(vorn::graph::shownVoltage(record, sample), QStringLiteral("V"));
            row[2] = vorn::graph::readoutValue(vorn::graph::shownCurrent(record, sample), QStringLiteral("A"));
        }
        rows.append(row);
        colors.append(curveColor(i));
    }
    Pnl_Readout->setRows(rows, colors);
    Pnl_Readout->show();
    placeReadout();
}

void TFrm_Compare::placeReadout()
{
    std::vector<QPoint> lastSamples;
    for (const Curve &curve : m_curves) {
        if (curve.voltage->count() > 0)
            lastSamples.push_back(curve.voltage->pixelOf(curve.voltage->count() - 1));
    }
    Pnl_Readout->place(Main_Chart->plotRect(), lastSamples);
}

} // namespace vorn::graphui
