// The notice a graph window gives to the readers of its record.
#include "RecordWatch.h"

#include <QMetaMethod>

namespace vorn::graphui {

bool RecordWatch::hasReaders() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&RecordWatch::released));
}

} // namespace vorn::graphui
