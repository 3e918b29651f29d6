// What a batch works through: the measurement files named by the command
// line's paths, and the name each file's outputs get.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vorn::batch {

// The measurement files of `paths`, in order: a path that is a folder gives
// its ".VRN" files (letter case ignored), in name order, with those of its
// subfolders when `recursive` (ordered by their path below the folder); any
// other path is taken as it is, so a missing file gets its own row. A file
// named twice (by the same or another path) is taken the first time only.
QStringList collectInputs(const QStringList &paths, bool recursive);

// The base name of each input's outputs (NAME of NAME.pdf and NAME.xlsx): the
// file name without its extension. A name taken by an earlier input, or the
// summary's own name, gets "_2", "_3", ... appended, the first free one.
// Letter case is ignored in the comparison, since the outputs may go to a
// stick whose file system ignores it too.
QStringList outputNames(const QStringList &inputs);

// The base name of the summary files.
inline constexpr char16_t kSummaryName[] = u"summary";

} // namespace vorn::batch
