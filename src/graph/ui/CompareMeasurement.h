// One measurement of the comparison: the record of an open graph window read
// in place, or one the comparison holds itself (loaded for it alone, or
// handed over by a graph window that closed). Never a copy of the samples.
#pragma once

#include "CompareHost.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace vorn::graphui {

class CompareMeasurement : public QObject {
    Q_OBJECT
public:
    // Reads the open window's record.
    CompareMeasurement(const CompareOffer &offer, QObject *parent);
    // Holds a record of its own.
    CompareMeasurement(std::shared_ptr<const TFile_Datas> record, const QString &title,
                       const QString &path, int warnings, QObject *parent);

    const TFile_Datas &record() const { return *m_record; }
    QString title() const { return m_title; }
    QString path() const { return m_path; }
    // How many integrity warnings its file's reading found.
    int warnings() const { return m_warnings; }
    // The graph window that shows it; null when none does.
    QWidget *window() const { return m_window; }
    // Reads an open window's record from now on (one opened for it).
    void attach(const CompareOffer &offer);

    // The same file, as far as the file system tells.
    bool isFile(const QString &path) const;

signals:
    // The record changed or was replaced: read it again.
    void changed();

private:
    void watch(RecordWatch *watch);

    const TFile_Datas *m_record = nullptr;
    std::shared_ptr<const TFile_Datas> m_held;
    QPointer<QWidget> m_window;
    QMetaObject::Connection m_changed;
    QMetaObject::Connection m_released;
    QString m_title;
    QString m_path;
    int m_warnings = 0;
};

// The canonical form of a path for comparing files; the path itself when
// the file does not exist.
QString samePathKey(const QString &path);

} // namespace vorn::graphui
