// Tells whoever reads a graph window's measurement record in place (the
// comparison of measurements) that the record changed, or that the window is
// going and hands its record over.
#pragma once

#include <QObject>

#include <memory>

struct TFile_Datas;

namespace vorn::graphui {

class RecordWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Someone reads the record and wants it when the window goes.
    bool hasReaders() const;

signals:
    // The samples or the corrections changed: read the record again.
    void changed();
    // The window is going: the record, moved out of it (no copy), is the
    // readers' to keep. Nothing of the window may be read after this.
    void released(std::shared_ptr<const TFile_Datas> record);
};

} // namespace vorn::graphui
